// How the desktop program tells and asks the person at the screen.
//
// Every message box and file chooser goes through UserPrompts, so that the
// windows never open a modal box themselves: the program shows real boxes
// (QtUserPrompts), tests answer in place of a person and never wait.
#pragma once

#include <QString>
#include <functional>

#include "core/messages.h"

class QPrinter;
class QWidget;

namespace ormix::app {

class UserPrompts {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~UserPrompts() = default;

    // A message of the engine or of the program, in a box of its kind.
    virtual void Tell(QWidget* parent, MessageKind kind, const QString& text) = 0;
    // A question with Yes, No and Cancel (save before closing).
    virtual Answer AskYesNoCancel(QWidget* parent, const QString& text) = 0;
    // A question with OK and Cancel (replace, delete): true for OK.
    virtual bool Confirm(QWidget* parent, const QString& text) = 0;
    // A file to open or to save; empty when the person cancels.
    virtual QString ChooseOpenFile(QWidget* parent, const QString& title,
                                   const QString& filter) = 0;
    virtual QString ChooseSaveFile(QWidget* parent, const QString& title, const QString& filter,
                                   const QString& suggested) = 0;

    // Printing, on the printer that keeps the person's choices from one
    // print to the next. Without a person to ask, nothing is printed.
    // The print dialog: true when the person chose to print. With
    // `setupOnly` it is Print Setup, whose OK keeps the choices for later.
    virtual bool ChoosePrinter(QWidget* parent, QPrinter& printer, bool setupOnly);
    // Page Setup (paper, orientation, margins): true when accepted.
    virtual bool ChoosePageLayout(QWidget* parent, QPrinter& printer);
    // The print preview of what `paint` prints, from which the person may
    // print.
    virtual void PreviewPrint(QWidget* parent, QPrinter& printer,
                              const std::function<void(QPrinter*)>& paint);
};

// The real boxes and file dialogs.
class QtUserPrompts final : public UserPrompts {
public:
    void Tell(QWidget* parent, MessageKind kind, const QString& text) override;
    Answer AskYesNoCancel(QWidget* parent, const QString& text) override;
    bool Confirm(QWidget* parent, const QString& text) override;
    QString ChooseOpenFile(QWidget* parent, const QString& title, const QString& filter) override;
    QString ChooseSaveFile(QWidget* parent, const QString& title, const QString& filter,
                           const QString& suggested) override;
    bool ChoosePrinter(QWidget* parent, QPrinter& printer, bool setupOnly) override;
    bool ChoosePageLayout(QWidget* parent, QPrinter& printer) override;
    void PreviewPrint(QWidget* parent, QPrinter& printer,
                      const std::function<void(QPrinter*)>& paint) override;
};

// The engine's message sink for a window: each message becomes a box.
class PromptSink final : public MessageSink {
public:
    PromptSink(UserPrompts& prompts, QWidget* parent) : prompts_(prompts), parent_(parent) {}
    void Show(MessageKind kind, const std::string& text) override;

private:
    UserPrompts& prompts_;
    QWidget* parent_;
};

}  // namespace ormix::app
