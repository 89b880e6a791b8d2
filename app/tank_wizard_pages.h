// The leaking tank calculator: the seven pages of the "Leaking Tank Setup"
// wizard. Each page's entries are checked by the engine when the person
// presses Next; Step 6 computes the release, Step 7 shows it with its two
// plots (printable on two pages titled "Leaking Tank"), and Finish makes the
// tank the scenario's leaking tank release.
#pragma once

#include <QWizard>
#include <functional>
#include <memory>

#include "app/app_context.h"
#include "calculators/tank_wizard.h"
#include "scenario/spill_doc.h"

class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace ormix::app {

class DayHourEntry;
struct PrintedPage;

class LeakingTankWizard : public QWizard {
    Q_OBJECT
public:
    LeakingTankWizard(CSpillDoc& doc, AppContext& context, QWidget* parent = nullptr);
    ~LeakingTankWizard() override;

    // The entries as the pages hold them now.
    TankWizardEntries Entries() const;
    // The release Step 7 shows (after Step 6 has been passed).
    const TankRelease& Release() const { return *release_; }
    // The two pages Print puts on paper.
    std::vector<PrintedPage> PrintedPages() const;

    // Step 1.
    QLineEdit* length;
    QLineEdit* width;
    QLineEdit* height;
    QComboBox* sizeUnit;
    // Step 2.
    QRadioButton* byAmount;
    QRadioButton* byPercent;
    QLineEdit* amount;
    QComboBox* amountUnit;
    QLineEdit* percentFull;
    // Step 3.
    QRadioButton* circular;
    QRadioButton* rectangular;
    QComboBox* openingUnit;
    QLineEdit* diameter;
    QLineEdit* rectLength;
    QLineEdit* rectHeight;
    // Step 4.
    QRadioButton* leakByHeight;
    QRadioButton* leakByPercent;
    QLineEdit* leakHeight;
    QComboBox* leakHeightUnit;
    QLineEdit* leakPercent;
    // Step 5.
    QRadioButton* waterByHeight;
    QRadioButton* waterByPercent;
    QLineEdit* waterHeight;
    QComboBox* waterHeightUnit;
    QLineEdit* waterPercent;
    // Step 6.
    DayHourEntry* when;
    // Step 7.
    QComboBox* plotUnit;
    QLabel* total;
    QLabel* duration;
    QChartView* releasedPlot;
    QChartView* levelsPlot;

private:
    class Page;
    Page* AddPage(int step, QWidget* entries);
    // Runs the check of a step on the tank as the earlier steps left it;
    // shows its refusal when asked to.
    bool Check(int step, bool tell);
    void Preview(int step);
    void ShowRelease();

    CSpillDoc& doc_;
    AppContext& context_;
    InputTank tank_;                        // as the steps passed so far left it
    std::vector<InputTank> before_;         // the tank before each step
    std::unique_ptr<TankRelease> release_;  // Step 7's release
    std::vector<Page*> pages_;
};

}  // namespace ormix::app
