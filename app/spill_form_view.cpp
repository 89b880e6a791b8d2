#include "app/spill_form_view.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "app/scenario_session.h"

namespace ormix::app {

namespace {

QLabel* Text(const char* text, QWidget* parent, bool heading = false, bool wrap = true) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setWordWrap(wrap);
    if (heading) {
        QFont f = label->font();
        f.setBold(true);
        f.setPointSizeF(f.pointSizeF() * 1.2);
        label->setFont(f);
    }
    return label;
}

}  // namespace

SpillFormView::SpillFormView(ScenarioSession& session, QWidget* parent)
    : ScenarioView(session, WindowKind::Scenario, parent) {
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);

    links_[static_cast<int>(FormLink::Release)] = MakeLink(FormLink::Release, "Release");
    links_[static_cast<int>(FormLink::Oil)] = MakeLink(FormLink::Oil, "Oil");
    links_[static_cast<int>(FormLink::WindWave)] = MakeLink(FormLink::WindWave, "Wind/Wave");
    links_[static_cast<int>(FormLink::Water)] = MakeLink(FormLink::Water, "Water");
    links_[static_cast<int>(FormLink::Solve)] = MakeLink(FormLink::Solve, "Solve");

    // The instructions.
    instructions_ = new QWidget(this);
    auto* steps = new QVBoxLayout(instructions_);
    steps->setContentsMargins(0, 0, 0, 0);
    steps->setSpacing(10);
    steps->addWidget(Text("To build a spill scenario:", instructions_, true));
    steps->addWidget(
        Text("1) In any order, click the following links in the toolbar.", instructions_));
    auto* grid = new QGridLayout;
    grid->setContentsMargins(28, 0, 0, 0);
    grid->setHorizontalSpacing(14);
    const struct {
        FormLink link;
        const char* what;
    } rows[] = {{FormLink::Release, "- how much oil was spilled"},
                {FormLink::Oil, "- type of oil or product spilled"},
                {FormLink::WindWave, "- weather conditions"},
                {FormLink::Water, "- water properties"}};
    int row = 0;
    for (const auto& r : rows) {
        grid->addWidget(Link(r.link), row, 0, Qt::AlignLeft);
        grid->addWidget(Text(r.what, instructions_), row, 1);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    steps->addLayout(grid);
    steps->addWidget(
        Text("2) If oil is being removed during the scenario, use the Removal menu to "
             "include this information.",
             instructions_));
    finishRow_ = new QHBoxLayout;
    finishRow_->addWidget(Text("3) Once you have finished, click", instructions_, false, false));
    finishRow_->addWidget(Link(FormLink::Solve));
    finishRow_->addStretch();
    steps->addLayout(finishRow_);

    // The note after a change of the inputs that followed a run.
    recalculate_ = new QWidget(this);
    auto* note = new QVBoxLayout(recalculate_);
    note->setContentsMargins(0, 0, 0, 0);
    note->setSpacing(10);
    note->addWidget(Text("ORMIX needs to make new graphs because the input has been changed.",
                         recalculate_, true));
    recalculateRow_ = new QHBoxLayout;
    recalculateRow_->addWidget(Text("When ready, click the", recalculate_, false, false));
    recalculateRow_->addWidget(Text("button to re-calculate.", recalculate_, false, false));
    recalculateRow_->addStretch();
    note->addLayout(recalculateRow_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->addWidget(instructions_);
    layout->addWidget(recalculate_);
    layout->addStretch();
    Refresh();
}

QPushButton* SpillFormView::MakeLink(FormLink link, const char* text) {
    auto* button = new QPushButton(QString::fromLatin1(text), this);
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    QFont f = button->font();
    f.setUnderline(true);
    f.setBold(true);
    button->setFont(f);
    button->setStyleSheet(
        QStringLiteral("QPushButton { color: #0b4f9c; text-align: left; padding: 2px 6px; }"
                       "QPushButton:disabled { color: #8a8a8a; }"
                       "QPushButton:hover { color: #1c7ed6; }"));
    connect(button, &QPushButton::clicked, this, [this, link] { emit LinkClicked(link); });
    return button;
}

QPushButton* SpillFormView::Link(FormLink link) const {
    return links_[static_cast<int>(link)];
}

void SpillFormView::SetLinkEnabled(FormLink link, bool enabled) {
    Link(link)->setEnabled(enabled);
}

bool SpillFormView::ShowsRecalculate() const {
    return !recalculate_->isHidden();
}

void SpillFormView::Refresh() {
    const bool recalculate = Session().ChangedAfterRun();
    QPushButton* solve = Link(FormLink::Solve);
    // The Solve button moves to the line that asks for it.
    if (recalculate) {
        finishRow_->removeWidget(solve);
        solve->setParent(recalculate_);
        recalculateRow_->insertWidget(1, solve);
    } else {
        recalculateRow_->removeWidget(solve);
        solve->setParent(instructions_);
        finishRow_->insertWidget(1, solve);
    }
    solve->show();
    instructions_->setHidden(recalculate);
    recalculate_->setHidden(!recalculate);
}

void SpillFormView::closeEvent(QCloseEvent* event) {
    if (closeGuard_ && !closeGuard_())
        event->ignore();
    else
        event->accept();
}

}  // namespace ormix::app
