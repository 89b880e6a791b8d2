#include "app/scenario_view.h"

namespace ormix::app {

ScenarioView::ScenarioView(ScenarioSession& session, WindowKind kind, QWidget* parent)
    : QWidget(parent), session_(session), kind_(kind) {}

ScenarioView::~ScenarioView() = default;

QString ScenarioView::HelpTopic() const {
    return QString::fromLatin1(InfoOf(kind_).helpTopic);
}

}  // namespace ormix::app
