#include "app/oil_list_view.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace ormix::app {

namespace {

constexpr int kPositionRole = Qt::UserRole;

}  // namespace

OilListView::OilListView(QWidget* parent) : QWidget(parent) {
    find = new QLineEdit;
    find->setPlaceholderText(tr("name, location or ID"));
    find->setClearButtonEnabled(true);
    sort = new QComboBox;
    sort->addItems({tr("Name"), tr("API"), tr("Pour Point")});
    list = new QTreeWidget;
    list->setRootIsDecorated(false);
    list->setAllColumnsShowFocus(true);
    list->setUniformRowHeights(true);
    list->setHeaderLabels({tr("Name"), tr("Reference"), tr("API"), tr("Location")});
    list->header()->setSectionsClickable(true);
    list->setColumnWidth(0, 240);
    list->setColumnWidth(1, 130);
    list->setColumnWidth(2, 60);
    list->setMinimumSize(560, 280);

    auto* findLabel = new QLabel(tr("F&ind:"));
    findLabel->setBuddy(find);
    auto* sortLabel = new QLabel(tr("S&ort by:"));
    sortLabel->setBuddy(sort);
    auto* bar = new QHBoxLayout;
    bar->addWidget(findLabel);
    bar->addWidget(find, 1);
    bar->addWidget(sortLabel);
    bar->addWidget(sort);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(bar);
    layout->addWidget(list, 1);

    connect(find, &QLineEdit::textChanged, this, &OilListView::Show);
    connect(sort, &QComboBox::currentIndexChanged, this, &OilListView::Show);
    // A click on the name or API heading sorts by it.
    connect(list->header(), &QHeaderView::sectionClicked, this, [this](int column) {
        if (column == 0) sort->setCurrentIndex(0);
        if (column == 2) sort->setCurrentIndex(1);
    });
    connect(list, &QTreeWidget::currentItemChanged, this,
            [this] { emit Chosen(SelectedPosition()); });
    connect(list, &QTreeWidget::itemActivated, this,
            [this] { emit Activated(SelectedPosition()); });
}

void OilListView::Fill(const OilLibrary& library) {
    library_ = &library;
    Show();
}

void OilListView::Show() {
    const long keep = SelectedPosition();
    QSignalBlocker block(list);
    list->clear();
    if (!library_) return;
    const OilSort order[] = {OilSort::Name, OilSort::Api, OilSort::PourPoint};
    std::vector<const OilSummary*> oils = SortedSummaries(*library_, order[sort->currentIndex()]);
    if (!find->text().trimmed().isEmpty()) oils = SearchSummaries(oils, find->text().toStdString());
    QList<QTreeWidgetItem*> rows;
    rows.reserve(static_cast<qsizetype>(oils.size()));
    for (const OilSummary* s : oils) {
        auto* row = new QTreeWidgetItem(
            QStringList{QString::fromStdString(s->name), QString::fromStdString(s->source),
                        QString::fromStdString(s->apiText), QString::fromStdString(s->location)});
        row->setData(0, kPositionRole, QVariant::fromValue<qlonglong>(s->position));
        row->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        rows << row;
    }
    list->addTopLevelItems(rows);
    block.unblock();
    Select(keep);
}

long OilListView::SelectedPosition() const {
    const QTreeWidgetItem* item = list->currentItem();
    return item ? static_cast<long>(item->data(0, kPositionRole).toLongLong()) : -1;
}

int OilListView::RowOf(long position) const {
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->data(0, kPositionRole).toLongLong() == position) return i;
    return -1;
}

void OilListView::Select(long position) {
    int row = RowOf(position);
    if (row < 0) row = list->topLevelItemCount() > 0 ? 0 : -1;
    if (row < 0) {
        QSignalBlocker block(list);
        list->setCurrentItem(nullptr);
        emit Chosen(-1);
        return;
    }
    QTreeWidgetItem* item = list->topLevelItem(row);
    {
        QSignalBlocker block(list);
        list->setCurrentItem(item);
    }
    list->scrollToItem(item, QAbstractItemView::PositionAtCenter);
    emit Chosen(SelectedPosition());
}

}  // namespace ormix::app
