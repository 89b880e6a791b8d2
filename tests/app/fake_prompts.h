// A person who answers every box at once: the tests' UserPrompts and help.
#pragma once

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QStringList>
#include <deque>
#include <functional>
#include <utility>
#include <vector>

#include "app/app_context.h"

namespace ormix::app::testing {

using namespace Qt::StringLiterals;

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
    // Printing: each print or preview takes the next file, to which the
    // printer writes a PDF; without one the person cancels. Print Setup and
    // Page Setup are accepted and counted.
    std::deque<QString> printFiles;
    int printsAsked = 0, printSetups = 0, pageSetups = 0, previews = 0;

    // Called as each message box comes up, to note how the program looked.
    std::function<void()> onTell;

    void Tell(QWidget*, MessageKind kind, const QString& text) override {
        told.push_back({kind, text});
        if (onTell) onTell();
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

    bool ChoosePrinter(QWidget*, QPrinter& printer, bool setupOnly) override {
        if (setupOnly) return ++printSetups > 0;
        ++printsAsked;
        return ToFile(printer);
    }
    bool ChoosePageLayout(QWidget*, QPrinter&) override { return ++pageSetups > 0; }
    void PreviewPrint(QWidget*, QPrinter& printer,
                      const std::function<void(QPrinter*)>& paint) override {
        ++previews;
        if (ToFile(printer)) paint(&printer);
    }

private:
    bool ToFile(QPrinter& printer) {
        const QString file = Take(printFiles, QString());
        if (file.isEmpty()) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        return true;
    }

    template <class T>
    static T Take(std::deque<T>& queue, T fallback) {
        if (queue.empty()) return fallback;
        T v = std::move(queue.front());
        queue.pop_front();
        return v;
    }
};

// Pages of the PDF file a printer wrote (0 when it is not one).
inline int PdfPageCount(const QString& path) {
    QFile f(path);
    const QByteArray pdf = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    if (!pdf.startsWith("%PDF")) return 0;
    static const QRegularExpression page(u"/Type\\s*/Page(?!s)"_s);
    return static_cast<int>(QString::fromLatin1(pdf).count(page));
}

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
