// Context help: the manual opened at a topic, from the Help menu, a
// dialog's Help button or the F1 key.
#pragma once

#include <QObject>
#include <QPointer>

#include "app/app_context.h"

class QWidget;

namespace ormix::app {

class HelpWindow;
class Manual;

// Opens the manual's window (made once, on first use) at a topic. While a
// modal dialog is open the window belongs to it, so that the person can
// read and scroll the manual beside the dialog.
class ManualHelp final : public HelpService {
public:
    // The manual built into the program unless another is given; it is read
    // on first use, not at start-up.
    explicit ManualHelp(const Manual* manual = nullptr);
    ~ManualHelp() override;
    void ShowTopic(const QString& topic) override;
    HelpWindow* Window() const;

private:
    const Manual* manual_;
    QPointer<HelpWindow> window_;
};

// The manual's topic for a window or dialog, found from the widget up
// through its parents.
void SetHelpTopic(QWidget* widget, const QString& topic);
QString HelpTopicOf(const QWidget* widget);

// F1 in a dialog or window other than the main window opens the topic that
// the dialog (or a parent of the focused field) names.
class HelpKeyFilter final : public QObject {
public:
    HelpKeyFilter(HelpService& help, QObject* parent = nullptr) : QObject(parent), help_(help) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    HelpService& help_;
};

}  // namespace ormix::app
