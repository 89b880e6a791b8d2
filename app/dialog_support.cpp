#include "app/dialog_support.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "scenario/typed_text.h"

namespace ormix::app {

std::string S(const QLineEdit* edit) {
    return edit->text().toStdString();
}

bool ShowResult(const DialogResult& result, UserPrompts& prompts, QWidget* parent) {
    PromptSink sink(prompts, parent);
    ShowMessages(result, sink);
    return result.accepted;
}

QString NumberText(double v) {
    if (v == NoData || !std::isfinite(v)) return {};
    char buf[40];
    // Whole numbers without a fraction or an exponent, as they are typed.
    if (v == std::trunc(v) && std::fabs(v) < 1e15) {
        std::snprintf(buf, sizeof buf, "%.0f", v);
        return QString::fromLatin1(buf);
    }
    for (int precision = 1; precision <= 17; ++precision) {
        std::snprintf(buf, sizeof buf, "%.*g", precision, v);
        if (std::strtod(buf, nullptr) == v) break;
    }
    return QString::fromLatin1(buf);
}

QString NumberText(int v) {
    return v == NoDataInt ? QString() : QString::number(v);
}

double TypedNumber(const QLineEdit* edit) {
    std::string text = S(edit);
    return IsEmptyText(text) ? NoData : TextToDouble(text);
}

QComboBox* ChoiceBox(std::initializer_list<const char*> choices, int current, QWidget* parent) {
    auto* box = new QComboBox(parent);
    for (const char* c : choices)
        box->addItem(QString::fromUtf8(c));
    box->setCurrentIndex(current >= 0 && current < box->count() ? current : 0);
    return box;
}

QComboBox* ChoiceBox(const char* const* choices, int count, int current, QWidget* parent) {
    auto* box = new QComboBox(parent);
    for (int i = 0; i < count; ++i)
        box->addItem(QString::fromUtf8(choices[i]));
    box->setCurrentIndex(current >= 0 && current < count ? current : 0);
    return box;
}

QWidget* Row(std::initializer_list<QWidget*> widgets, const QString& trailing) {
    auto* w = new QWidget;
    auto* row = new QHBoxLayout(w);
    row->setContentsMargins(0, 0, 0, 0);
    for (QWidget* x : widgets)
        row->addWidget(x);
    if (!trailing.isEmpty()) row->addWidget(new QLabel(trailing));
    row->addStretch();
    return w;
}

QLabel* BuddyLabel(const QString& text, QWidget* buddy) {
    auto* l = new QLabel(text);
    l->setBuddy(buddy);
    return l;
}

QLineEdit* NumberEdit(const QString& text, QWidget* parent) {
    auto* edit = new QLineEdit(text, parent);
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00000000000000")));
    return edit;
}

InputDialog::InputDialog(CSpillDoc& doc, AppContext& context, QWidget* parent)
    : QDialog(parent), doc_(doc), context_(context), snapshot_(doc) {}

void InputDialog::accept() {
    if (Apply()) QDialog::accept();
}

void InputDialog::reject() {
    snapshot_.Restore(doc_);
    QDialog::reject();
}

QDialogButtonBox* InputDialog::Buttons(const QString& topic, std::function<void()> help) {
    auto* box = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    box->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(box, &QDialogButtonBox::helpRequested, this, [this, topic, help] {
        if (help)
            help();
        else
            context_.help.ShowTopic(topic);
    });
    return box;
}

void OpenSubDialog(QDialog* dialog, std::function<void()> accepted) {
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::accepted, dialog, [accepted] { accepted(); });
    dialog->open();
}

}  // namespace ormix::app
