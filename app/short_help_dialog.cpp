#include "app/short_help_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ormix::app {

ShortHelpDialog::ShortHelpDialog(const QString& title, const QString& text, const QString& topic,
                                 HelpService& help, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(title);
    auto* body = new QLabel(text);
    body->setWordWrap(true);
    body->setTextFormat(Qt::RichText);
    body->setMinimumWidth(440);
    readMore = new QPushButton(tr("&Read more about it in the online manual"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->addButton(readMore, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(readMore, &QPushButton::clicked, this, [&help, topic] { help.ShowTopic(topic); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(body);
    layout->addWidget(buttons);
}

ShortHelpDialog* ReleaseHelp(HelpService& help, QWidget* parent) {
    return new ShortHelpDialog(
        QObject::tr("Help on Release"),
        QObject::tr(
            "<p>Describe how the oil enters the water. Choose one or more of these "
            "releases:</p><ul>"
            "<li><b>Instantaneous</b>: the whole amount is spilled within an hour.</li>"
            "<li><b>Continuous</b>: oil flows into the water over a duration, as a total amount "
            "or at a rate.</li>"
            "<li><b>Leaking tank</b>: the release is worked out from the size of a tank, the "
            "oil in it and the hole.</li>"
            "<li><b>Contained</b>: all the oil is spilled at once into a boomed area; it "
            "cannot be combined with the other releases.</li></ul>"
            "<p>Press a release's button to enter it; its box is then checked. Uncheck a box to "
            "leave that release out. The earliest release sets the time of the spill, and the "
            "model follows the oil for at most 120 hours from then.</p>"),
        QStringLiteral("release.html"), help, parent);
}

ShortHelpDialog* ContainedHelp(HelpService& help, QWidget* parent) {
    return new ShortHelpDialog(
        QObject::tr("Help on Contained Release"),
        QObject::tr(
            "<p>A contained release puts all the oil into the water at once, inside booms or "
            "another barrier that keeps it from spreading beyond the area you give.</p>"
            "<p>The oil's mean thickness is the amount divided by the area; it must lie "
            "between 0.1 mm and 20 cm. A contained release is the scenario's only release.</p>"),
        QStringLiteral("Contained.html"), help, parent);
}

ShortHelpDialog* EmulsificationHelp(HelpService& help, QWidget* parent) {
    return new ShortHelpDialog(
        QObject::tr("Help on Emulsification"),
        QObject::tr(
            "<p>Many oils take up sea water and form a thick emulsion once part of them has "
            "evaporated. By default the onset is estimated from the oil's properties.</p>"
            "<p>If you know better, give the onset either as the percentage of the oil that "
            "has evaporated, or as the hours since the spill started. An uncertainty, in the "
            "same unit, widens the results into a low and a high estimate.</p>"),
        QStringLiteral("Emulsification.html"), help, parent);
}

}  // namespace ormix::app
