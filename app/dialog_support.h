// What every input dialog of the program shares: the document it edits and
// gives back untouched on Cancel, the engine's messages shown in boxes, the
// OK, Cancel and Help buttons, unit lists and the reading of typed numbers.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <initializer_list>
#include <string>

#include "app/app_context.h"
#include "scenario/dialog_result.h"
#include "scenario/spill_doc.h"

class QComboBox;
class QLabel;
class QDialogButtonBox;
class QLineEdit;

namespace ormix::app {

inline QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
inline std::string S(const QString& s) {
    return s.toStdString();
}
std::string S(const QLineEdit* edit);

// Shows every message of a dialog's result in a box of its kind, in order;
// true when the result accepts.
bool ShowResult(const DialogResult& result, UserPrompts& prompts, QWidget* parent);

// A number as an entry field shows it: empty when unset, otherwise the
// shortest text that reads back as the same value.
QString NumberText(double value);
QString NumberText(int value);

// A typed number as the calculators keep it: unset when the field is blank.
double TypedNumber(const QLineEdit* edit);

// A list of choices (units, kinds) with the given entry chosen.
QComboBox* ChoiceBox(std::initializer_list<const char*> choices, int current,
                     QWidget* parent = nullptr);
QComboBox* ChoiceBox(const char* const* choices, int count, int current, QWidget* parent = nullptr);

// A row of widgets, left-aligned, with an optional text after them.
QWidget* Row(std::initializer_list<QWidget*> widgets, const QString& trailing = {});
// A label whose mnemonic moves the focus to `buddy`.
QLabel* BuddyLabel(const QString& text, QWidget* buddy);

// An entry field of a number, wide enough for the largest values typed.
QLineEdit* NumberEdit(const QString& text, QWidget* parent = nullptr);

// The scenario's values when a dialog opened, to be given back on Cancel.
class DocumentSnapshot {
public:
    explicit DocumentSnapshot(const CSpillDoc& doc) : data_(doc), refresh_(doc.summaryRefresh) {}
    void Restore(CSpillDoc& doc) const {
        static_cast<SpillDocData&>(doc) = data_;
        doc.summaryRefresh = refresh_;
    }
    bool Unchanged(const CSpillDoc& doc) const {
        return static_cast<const SpillDocData&>(doc) == data_;
    }

private:
    SpillDocData data_;
    std::array<bool, kSummarySections> refresh_;
};

// A dialog of the scenario's inputs: OK hands the entries to the engine's
// check (Apply) and closes only when it accepts; Cancel gives the document
// back as it was when the dialog opened, whatever its sub-dialogs wrote.
class InputDialog : public QDialog {
    Q_OBJECT
public:
    InputDialog(CSpillDoc& doc, AppContext& context, QWidget* parent);

    void accept() override;
    void reject() override;

    CSpillDoc& Doc() { return doc_; }
    const CSpillDoc& Doc() const { return doc_; }
    AppContext& Context() { return context_; }
    // Whether the dialog changed the scenario's inputs.
    bool ChangedInputs() const { return !snapshot_.Unchanged(doc_); }

protected:
    // Checks and stores the entries; false keeps the dialog open as typed.
    virtual bool Apply() = 0;
    // Shows a result's messages; true when it accepts.
    bool Show(const DialogResult& r) { return ShowResult(r, context_.prompts, this); }
    // OK, Cancel and Help (which opens `topic` of the manual, or runs
    // `help` when given) at the foot of the dialog.
    QDialogButtonBox* Buttons(const QString& topic, std::function<void()> help = {});

private:
    CSpillDoc& doc_;
    AppContext& context_;
    DocumentSnapshot snapshot_;
};

// Opens a dialog window-modal over its parent and runs `accepted` when it
// closes with OK; the dialog deletes itself when closed.
void OpenSubDialog(QDialog* dialog, std::function<void()> accepted);

}  // namespace ormix::app
