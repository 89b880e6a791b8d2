#include "app/user_prompts.h"

#include <QFileDialog>
#include <QMessageBox>

namespace ormix::app {

namespace {

const QString kTitle = QStringLiteral("ORMIX");

}  // namespace

void QtUserPrompts::Tell(QWidget* parent, MessageKind kind, const QString& text) {
    switch (kind) {
        case MessageKind::Error:
            QMessageBox::critical(parent, kTitle, text);
            break;
        case MessageKind::Warning:
            QMessageBox::warning(parent, kTitle, text);
            break;
        case MessageKind::Information:
            QMessageBox::information(parent, kTitle, text);
            break;
    }
}

UserPrompts::Answer QtUserPrompts::AskYesNoCancel(QWidget* parent, const QString& text) {
    switch (QMessageBox::question(parent, kTitle, text,
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                  QMessageBox::Yes)) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

bool QtUserPrompts::Confirm(QWidget* parent, const QString& text) {
    return QMessageBox::question(parent, kTitle, text, QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Ok) == QMessageBox::Ok;
}

QString QtUserPrompts::ChooseOpenFile(QWidget* parent, const QString& title,
                                      const QString& filter) {
    return QFileDialog::getOpenFileName(parent, title, QString(), filter);
}

QString QtUserPrompts::ChooseSaveFile(QWidget* parent, const QString& title, const QString& filter,
                                      const QString& suggested) {
    return QFileDialog::getSaveFileName(parent, title, suggested, filter);
}

void PromptSink::Show(MessageKind kind, const std::string& text) {
    prompts_.Tell(parent_, kind, QString::fromStdString(text));
}

}  // namespace ormix::app
