#include "app/manual_help.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

#include "app/help_window.h"
#include "app/manual.h"

namespace ormix::app {

namespace {

const char* const kHelpTopicProperty = "ormixHelpTopic";

}  // namespace

ManualHelp::ManualHelp(const Manual* manual) : manual_(manual) {}

ManualHelp::~ManualHelp() {
    delete window_;
}

HelpWindow* ManualHelp::Window() const {
    return window_;
}

void ManualHelp::ShowTopic(const QString& topic) {
    if (!window_) {
        window_ = new HelpWindow(manual_ ? *manual_ : Manual::BuiltIn());
        window_->setAttribute(Qt::WA_QuitOnClose, false);
    }
    window_->ShowTopic(topic);
    window_->show();
    // A modal dialog blocks every other window but those it stands for:
    // the manual's window is made its transient child while it is open.
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != window_) {
        if (QWindow* handle = window_->windowHandle())
            handle->setTransientParent(modal->window()->windowHandle());
    }
    window_->raise();
    window_->activateWindow();
}

void SetHelpTopic(QWidget* widget, const QString& topic) {
    widget->setProperty(kHelpTopicProperty, topic);
}

QString HelpTopicOf(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const QVariant v = w->property(kHelpTopicProperty);
        if (v.isValid() && !v.toString().isEmpty()) return v.toString();
    }
    return QString();
}

bool HelpKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1 ||
        !watched->isWidgetType())
        return false;
    const QWidget* widget = static_cast<QWidget*>(watched);
    const QString topic = HelpTopicOf(widget);
    if (topic.isEmpty()) return false;
    help_.ShowTopic(topic);
    return true;
}

}  // namespace ormix::app
