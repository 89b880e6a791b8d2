// Filling the dialogs as a person does: typing into fields, choosing from
// lists, pressing buttons; and finding the dialog a button opened.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <cstdio>

#include "app/day_hour_entry.h"
#include "scenario/release_dialogs.h"

namespace ormix::app::testing {

// Replaces a field's text as typing would (the field counts as edited).
inline void Type(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    edit->del();
    if (!text.isEmpty()) QTest::keyClicks(edit, text);
}

inline void Choose(QComboBox* box, int index) {
    box->setCurrentIndex(index);
}

inline void Click(QAbstractButton* button) {
    button->click();
    // A dialog closed by the click goes away before the next one is looked for.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Presses a button of a dialog and returns how the dialog closed: Accepted,
// Rejected, or -1 while it stays open. (A sub-dialog deletes itself on
// closing, so its result is taken as it closes.)
inline int Closes(QDialog* dialog, QAbstractButton* button) {
    int result = -1;
    QPointer<QDialog> alive(dialog);
    auto watch =
        QObject::connect(dialog, &QDialog::finished, dialog, [&result](int r) { result = r; });
    Click(button);
    if (alive) QObject::disconnect(watch);
    return result;
}

// One of the standard buttons (OK, Cancel, Help...) of a dialog.
inline QPushButton* Button(QDialog* d, QDialogButtonBox::StandardButton which) {
    return d->findChild<QDialogButtonBox*>()->button(which);
}

// The dialog of type T that a button has just opened over `parent`.
template <class T>
T* Opened(QWidget* parent) {
    T* found = nullptr;
    for (T* d : parent->findChildren<T*>())
        if (d->isVisible()) found = d;
    return found;
}

// "YYYY-MM-DD HH:00" as the month, day and hour a dialog offers.
inline DayAndHour WhenOf(const std::string& time) {
    int y = 0, mo = 1, d = 1, h = 0;
    std::sscanf(time.c_str(), "%d-%d-%d %d", &y, &mo, &d, &h);
    return {mo, d, h};
}

inline void SetWhen(DayHourEntry* entry, const std::string& time) {
    entry->SetValue(WhenOf(time));
}

}  // namespace ormix::app::testing
