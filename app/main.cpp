// `ormix-desktop [FILE.qsx|FILE.json] [--workdir DIR]`: the desktop program.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ORMIX"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("ORMIX"));
    window.showMaximized();
    return QApplication::exec();
}
