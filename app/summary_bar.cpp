#include "app/summary_bar.h"

#include <QHeaderView>
#include <QTreeWidget>

#include "app/scenario_session.h"
#include "output/scenario_summary.h"

namespace ormix::app {

namespace {

// Branches in the order the tree shows them: the four every scenario has,
// then those that appear when their input is there.
constexpr SummarySection kOrder[] = {
    kSummaryOil,  kSummaryWind,       kSummaryWater,    kSummaryRelease,        kSummaryDispersant,
    kSummaryBurn, kSummaryMechanical, kSummaryBeaching, kSummaryEmulsification,
};

SummaryNode SectionOf(SummarySection section, const CSpillDoc& doc) {
    switch (section) {
        case kSummaryOil:
            return OilTypeSection(doc);
        case kSummaryWind:
            return WindSection(doc);
        case kSummaryWater:
            return WaterSection(doc);
        case kSummaryRelease:
            return ReleaseSection(doc);
        case kSummaryDispersant:
            return DispersantSection(doc);
        case kSummaryBurn:
            return BurnSection(doc);
        case kSummaryMechanical:
            return MechanicalSection(doc);
        case kSummaryBeaching:
            return BeachedSection(doc);
        case kSummaryEmulsification:
        default:
            return EmulsificationSection(doc, doc.solved, doc.Model().inputs.oil.bullwinkleHigh);
    }
}

void AddChildren(QTreeWidgetItem* item, const SummaryNode& node) {
    for (const SummaryNode& child : node.children) {
        auto* c = new QTreeWidgetItem(item, {QString::fromStdString(child.text)});
        if (child.placeholder) c->setForeground(0, QBrush(Qt::gray));
        AddChildren(c, child);
        c->setExpanded(child.expanded || !child.children.empty());
    }
}

}  // namespace

SummaryBar::SummaryBar(QWidget* parent) : QDockWidget(QStringLiteral("Scenario Summary"), parent) {
    setObjectName(QStringLiteral("SummaryBar"));
    setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetClosable |
                QDockWidget::DockWidgetFloatable);
    tree_ = new QTreeWidget(this);
    tree_->setHeaderHidden(true);
    tree_->setColumnCount(1);
    tree_->setRootIsDecorated(true);
    tree_->setUniformRowHeights(true);
    tree_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tree_->header()->setStretchLastSection(false);
    tree_->setToolTip(QStringLiteral("Double-click a line to change that input"));
    setWidget(tree_);
    connect(tree_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        while (item->parent())
            item = item->parent();
        for (int s = 0; s < kSummarySections; ++s)
            if (items_[s] == item) emit SectionActivated(static_cast<SummarySection>(s));
    });
}

QTreeWidgetItem* SummaryBar::SectionItem(SummarySection section) const {
    return items_[section];
}

int SummaryBar::FillCount(SummarySection section) const {
    return fills_[section];
}

void SummaryBar::ShowSession(ScenarioSession* session) {
    session_ = session;
    tree_->clear();
    items_.fill(nullptr);
    if (!session_) return;
    for (SummarySection s : kOrder)
        Fill(s);
    session_->Doc().summaryRefresh.fill(false);
}

void SummaryBar::RefreshMarked(bool afterRun) {
    if (!session_) return;
    CSpillDoc& doc = session_->Doc();
    for (SummarySection s : kOrder)
        if (doc.summaryRefresh[s] || (afterRun && s == kSummaryEmulsification)) {
            Fill(s);
            doc.summaryRefresh[s] = false;
        }
}

void SummaryBar::Fill(SummarySection section) {
    ++fills_[section];
    const SummaryNode node = SectionOf(section, session_->Doc());
    QTreeWidgetItem*& item = items_[section];
    if (node.text.empty()) {
        delete item;
        item = nullptr;
        return;
    }
    if (!item) {
        // In its place among the branches that are there.
        int at = 0;
        for (SummarySection s : kOrder) {
            if (s == section) break;
            if (items_[s]) ++at;
        }
        item = new QTreeWidgetItem({QString::fromStdString(node.text)});
        tree_->insertTopLevelItem(at, item);
        QFont bold = item->font(0);
        bold.setBold(true);
        item->setFont(0, bold);
    }
    item->setText(0, QString::fromStdString(node.text));
    qDeleteAll(item->takeChildren());
    AddChildren(item, node);
    item->setExpanded(node.expanded);
}

}  // namespace ormix::app
