#include "app/budget_table_view.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/scenario_session.h"
#include "app/table_clipboard.h"
#include "app/text_table_view.h"
#include "output/table_export.h"

namespace ormix::app {

namespace {

// The released column's units in the order of the bar's list.
constexpr int kReleasedUnits[] = {3, 4, 0, 5, 6};
const char* const kReleasedLabels[] = {"bbl", "gal", "cu m", "tons", "metric tons"};

QComboBox* Choice(QWidget* parent, QHBoxLayout* bar, const char* label,
                  std::initializer_list<const char*> items) {
    auto* caption = new QLabel(QString::fromLatin1(label), parent);
    auto* box = new QComboBox(parent);
    for (const char* item : items)
        box->addItem(QString::fromLatin1(item));
    caption->setBuddy(box);
    bar->addWidget(caption);
    bar->addWidget(box);
    bar->addSpacing(16);
    return box;
}

}  // namespace

BudgetTableView::BudgetTableView(ScenarioSession& session, QWidget* parent)
    : ScenarioView(session, WindowKind::BudgetTable, parent),
      choices_(InitialBudgetTableChoices(session.Doc())) {
    auto* bar = new QHBoxLayout;
    time_ = Choice(this, bar, "&Time Column", {"Hours", "Dates"});
    released_ = Choice(this, bar, "&Released Column",
                       {kReleasedLabels[0], kReleasedLabels[1], kReleasedLabels[2],
                        kReleasedLabels[3], kReleasedLabels[4]});
    other_ = Choice(this, bar, "&Other Columns", {"Same as Released", "Percent", "Fraction"});
    bar->addStretch();

    table_ = new TextTableView(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(bar);
    layout->addWidget(table_, 1);
    setFocusProxy(table_);

    time_->setCurrentIndex(choices_.time == BudgetTimeColumn::Dates ? 1 : 0);
    for (int i = 0; i < 5; ++i)
        if (kReleasedUnits[i] == choices_.released) released_->setCurrentIndex(i);
    other_->setCurrentIndex(static_cast<int>(choices_.other));
    for (QComboBox* box : {time_, released_, other_})
        connect(box, &QComboBox::currentIndexChanged, this, [this] {
            ReadChoices();
            Refresh();
        });
    Refresh();
}

void BudgetTableView::ReadChoices() {
    choices_.time = time_->currentIndex() == 1 ? BudgetTimeColumn::Dates : BudgetTimeColumn::Hours;
    choices_.released = kReleasedUnits[std::max(0, released_->currentIndex())];
    choices_.other = static_cast<BudgetOtherColumns>(std::max(0, other_->currentIndex()));
}

void BudgetTableView::Refresh() {
    const OilBudgetTable table = BuildOilBudgetTable(Session().Doc(), choices_);
    table_->SetText(QString::fromStdString(table.Text()));
}

bool BudgetTableView::CopyToClipboard() {
    QApplication::clipboard()->setText(TableAsTabSeparated(table_->Text()));
    return true;
}

std::vector<PrintedPage> BudgetTableView::PrintedPages() const {
    PrintedPage page;
    page.title = QString::fromLatin1(kBudgetTablePrintTitle);
    page.lines = PageLines();
    page.table = table_->Text();
    return {page};
}

QString BudgetTableView::ExportTitle() const {
    return QStringLiteral("Export Oil Budget Table");
}

QString BudgetTableView::ExportFilter() const {
    return QString::fromLatin1(kTableExportFilter);
}

QString BudgetTableView::ExportName() const {
    return ExportBaseName() + QStringLiteral(".txt");
}

bool BudgetTableView::ExportTo(const QString& path, QString& error) {
    if (path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        return WriteTableText(
            path, QString::fromStdString(BudgetTableCsv(Session().Doc(), choices_)), error);
    return WriteTableText(path, TableAsTabSeparated(table_->Text()), error);
}

}  // namespace ormix::app
