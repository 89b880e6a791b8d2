#include "app/user_prompts.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>

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

bool UserPrompts::ChoosePrinter(QWidget*, QPrinter&, bool) {
    return false;
}

bool UserPrompts::ChoosePageLayout(QWidget*, QPrinter&) {
    return false;
}

void UserPrompts::PreviewPrint(QWidget*, QPrinter&, const std::function<void(QPrinter*)>&) {}

bool QtUserPrompts::ChoosePrinter(QWidget* parent, QPrinter& printer, bool setupOnly) {
    QPrintDialog dialog(&printer, parent);
    if (setupOnly) {
        dialog.setWindowTitle(QStringLiteral("Print Setup"));
        // Its OK keeps the choices; nothing is printed yet.
        for (QDialogButtonBox* box : dialog.findChildren<QDialogButtonBox*>())
            if (QPushButton* ok = box->button(QDialogButtonBox::Ok))
                ok->setText(QStringLiteral("OK"));
    }
    return dialog.exec() == QDialog::Accepted;
}

bool QtUserPrompts::ChoosePageLayout(QWidget* parent, QPrinter& printer) {
    QPageSetupDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void QtUserPrompts::PreviewPrint(QWidget* parent, QPrinter& printer,
                                 const std::function<void(QPrinter*)>& paint) {
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, paint);
    dialog.resize(900, 700);
    dialog.exec();
}

void PromptSink::Show(MessageKind kind, const std::string& text) {
    prompts_.Tell(parent_, kind, QString::fromStdString(text));
}

}  // namespace ormix::app
