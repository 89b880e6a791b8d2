// The oil budget table window: the table of the scenario's last run, with
// the "Time Column", "Released Column" and "Other Columns" choices on its
// bar.
#pragma once

#include "app/scenario_view.h"
#include "output/budget_table.h"

class QComboBox;

namespace ormix::app {

class TextTableView;

class BudgetTableView final : public ScenarioView {
    Q_OBJECT
public:
    explicit BudgetTableView(ScenarioSession& session, QWidget* parent = nullptr);

    bool CopyToClipboard() override;
    void Refresh() override;
    std::vector<PrintedPage> PrintedPages() const override;
    QString ExportTitle() const override;
    QString ExportFilter() const override;
    QString ExportName() const override;
    // Tab-separated text: the table as shown. CSV: every output step of the
    // run at full precision, in the units the table shows.
    bool ExportTo(const QString& path, QString& error) override;

    BudgetTableChoices Choices() const { return choices_; }
    QComboBox* TimeChoice() const { return time_; }
    QComboBox* ReleasedChoice() const { return released_; }
    QComboBox* OtherChoice() const { return other_; }
    TextTableView* Table() const { return table_; }

private:
    void ReadChoices();

    BudgetTableChoices choices_;
    QComboBox *time_, *released_, *other_;
    TextTableView* table_;
};

}  // namespace ormix::app
