// Filling the dialogs as a person does: typing into fields, choosing from
// lists, pressing buttons; and finding the dialog a button opened.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/day_hour_entry.h"

namespace ormix::app::testing {

using namespace Qt::StringLiterals;

// How a dialog closed on a click: accepted, rejected, or still open.
constexpr int kAccepted = QDialog::Accepted, kRejected = QDialog::Rejected, kStaysOpen = -1;

// Replaces a field's text as typing would (the field counts as edited).
inline void Type(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    edit->del();
    if (!text.isEmpty()) QTest::keyClicks(edit, text);
}

inline void Click(QAbstractButton* button) {
    button->click();
    // A dialog closed by the click goes away before the next one is looked for.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Presses a button of a dialog and returns how the dialog closed. (A
// sub-dialog deletes itself on closing, so its result is taken as it closes.)
inline int Closes(QDialog* dialog, QAbstractButton* button) {
    int result = kStaysOpen;
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

// Presses a standard button (OK unless named) and returns how the dialog closed.
inline int Press(QDialog* d, QDialogButtonBox::StandardButton which = QDialogButtonBox::Ok) {
    return Closes(d, Button(d, which));
}

// The dialog of type T that a button has just opened over `parent`.
template <class T>
T* Opened(QWidget* parent) {
    T* found = nullptr;
    for (T* d : parent->findChildren<T*>())
        if (d->isVisible()) found = d;
    return found;
}

// Clicks a button that opens a dialog of type T, fills it, and presses OK,
// which must accept it.
template <class T, class Fill>
void ThroughDialog(QAbstractButton* button, QWidget* parent, Fill fill) {
    Click(button);
    T* d = Opened<T>(parent);
    QVERIFY(d);
    fill(*d);
    QCOMPARE(Press(d), kAccepted);
}

}  // namespace ormix::app::testing
