#include "app/scenario_view.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include "app/scenario_session.h"
#include "scenario/calendar.h"

namespace ormix::app {

ScenarioView::ScenarioView(ScenarioSession& session, WindowKind kind, QWidget* parent)
    : QWidget(parent), session_(session), kind_(kind) {}

ScenarioView::~ScenarioView() = default;

QString ScenarioView::HelpTopic() const {
    return QString::fromLatin1(InfoOf(kind_).helpTopic);
}

bool ScenarioView::ExportTo(const QString&, QString& error) {
    error = QStringLiteral("This window has nothing to export.");
    return false;
}

QStringList ScenarioView::PageLines() const {
    const CSpillDoc& doc = session_.Doc();
    return {QStringLiteral("Scenario: %1").arg(session_.Title()),
            QString::fromStdString(FormatTime(doc.SpillTime, "First release: %B %d, %H%M hours")) +
                QStringLiteral("        Printed: ") +
                QLocale::c().toString(QDateTime::currentDateTime(),
                                      QStringLiteral("MMMM d, yyyy, hh:mm"))};
}

QString ScenarioView::ExportBaseName() const {
    QString name = session_.Title();
    const QFileInfo file(name);
    if (!file.suffix().isEmpty()) name = file.completeBaseName();
    name += QStringLiteral(" - ") + QString::fromLatin1(InfoOf(kind_).title);
    // Next to the scenario's file, when it has one.
    if (!session_.SourcePath().isEmpty())
        return QFileInfo(session_.SourcePath()).dir().filePath(name);
    return name;
}

}  // namespace ormix::app
