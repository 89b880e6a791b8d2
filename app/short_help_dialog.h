// A short explanation shown by a dialog's Help button, with a button that
// opens the topic in the manual: "Help on Release", "Help on
// Emulsification" and the contained release's help.
#pragma once

#include <QDialog>

#include "app/app_context.h"

class QPushButton;

namespace ormix::app {

class ShortHelpDialog : public QDialog {
    Q_OBJECT
public:
    ShortHelpDialog(const QString& title, const QString& text, const QString& topic,
                    HelpService& help, QWidget* parent = nullptr);

    QPushButton* readMore;
};

// The three explanations.
ShortHelpDialog* ReleaseHelp(HelpService& help, QWidget* parent);
ShortHelpDialog* ContainedHelp(HelpService& help, QWidget* parent);
ShortHelpDialog* EmulsificationHelp(HelpService& help, QWidget* parent);

}  // namespace ormix::app
