// The smoke plume calculator ("Smoke Plume") of one in-situ burn: the level
// of concern, the air temperature and the wind on its first page; the
// report and the plot of the two envelopes (neutral and stable air) of the
// soot above the level of concern on its second. Printable.
#pragma once

#include <memory>
#include <vector>

#include "app/dialog_support.h"
#include "calculators/smoke_plume_dialog.h"

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

namespace ormix::app {

struct PrintedPage;

class SmokePlumeDialog : public InputDialog {
    Q_OBJECT
public:
    SmokePlumeDialog(CSpillDoc& doc, AppContext& context, int slot, const PlumeDialogInput& input,
                     QWidget* parent = nullptr);
    ~SmokePlumeDialog() override;

    PlumeSlotValues Values() const;
    // Next >: checks the inputs, computes, and shows the result page.
    bool Next();
    void Back();
    bool ShowsResult() const;
    std::vector<PrintedPage> PrintedPages() const;

    QLabel* oilName;
    QLineEdit* loc;
    QLineEdit* airTemperature;
    QComboBox* airTemperatureUnit;
    QLineEdit* windSpeed;
    QComboBox* windUnit;
    QLabel* report;
    QChartView* plot;
    QPushButton* back;
    QPushButton* next;
    QPushButton* finished;
    QPushButton* print;

protected:
    // Finished: the checked values are kept with the burn.
    bool Apply() override;

private:
    QStringList ReportLines() const;
    void ShowPage(int page);

    int slot_;
    PlumeDialogInput input_;
    std::unique_ptr<PlumeResult> result_;
    QStackedWidget* pages_;
};

// The plot of a plume result: the envelopes of both stabilities.
QChart* SmokePlumeChart(const PlumeResult& result);

}  // namespace ormix::app
