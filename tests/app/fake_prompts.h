// A person who answers every box at once: the tests' UserPrompts and help.
#pragma once

#include <QStringList>
#include <deque>
#include <utility>
#include <vector>

#include "app/app_context.h"

namespace ormix::app::testing {

class FakePrompts final : public UserPrompts {
public:
    struct Told {
        MessageKind kind;
        QString text;
    };
    std::vector<Told> told;
    QStringList asked;
    // Answers given in turn; when they run out: Yes, OK, and no file.
    std::deque<Answer> answers;
    std::deque<bool> confirmations;
    std::deque<QString> files;
    // The titles and suggested names of the save choosers shown.
    QStringList saveTitles, saveSuggestions;

    void Tell(QWidget*, MessageKind kind, const QString& text) override {
        told.push_back({kind, text});
    }
    Answer AskYesNoCancel(QWidget*, const QString& text) override {
        asked << text;
        return Take(answers, Answer::Yes);
    }
    bool Confirm(QWidget*, const QString& text) override {
        asked << text;
        return Take(confirmations, true);
    }
    QString ChooseOpenFile(QWidget*, const QString&, const QString&) override {
        return Take(files, QString());
    }
    QString ChooseSaveFile(QWidget*, const QString& title, const QString&,
                           const QString& suggested) override {
        saveTitles << title;
        saveSuggestions << suggested;
        return Take(files, QString());
    }

private:
    template <class T>
    static T Take(std::deque<T>& queue, T fallback) {
        if (queue.empty()) return fallback;
        T v = std::move(queue.front());
        queue.pop_front();
        return v;
    }
};

class FakeHelp final : public HelpService {
public:
    QStringList topics;
    void ShowTopic(const QString& topic) override { topics << topic; }
};

// The context a test hands to windows and dialogs.
struct FakeContext {
    FakePrompts prompts;
    FakeHelp help;
    AppContext context{prompts, help};
};

}  // namespace ormix::app::testing
