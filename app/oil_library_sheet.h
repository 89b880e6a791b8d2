// The oil library sheet: the list of the oils of `OilLib` and the property
// pages of the highlighted oil; "Done" chooses it for the scenario. The same
// sheet picks the library oil a new custom oil starts from.
#pragma once

#include <QDialog>
#include <vector>

#include "app/app_context.h"
#include "oil/oil_selection.h"
#include "scenario/spill_doc.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace ormix::app {

class OilListView;
class OilPropertyView;

class OilLibrarySheet : public QDialog {
    Q_OBJECT
public:
    enum class Purpose { ChooseForScenario, PickToCopy };

    // `library` must be loaded.
    OilLibrarySheet(CSpillDoc& doc, OilLibrary& library, AppContext& context, Purpose purpose,
                    QWidget* parent = nullptr);

    // "Done": chooses the highlighted oil (for the scenario, or for a copy).
    void accept() override;
    // The oil picked to copy (PickToCopy), or -1.
    long Picked() const { return picked_; }

    QLabel* heading;
    QLabel* name;
    OilListView* oils;
    QTabWidget* tabs;
    QComboBox* temperatureUnit;
    std::vector<OilPropertyView*> pages;
    QPushButton* done;

private:
    void ShowOil(long position);

    CSpillDoc& doc_;
    OilLibrary& library_;
    AppContext& context_;
    Purpose purpose_;
    long picked_ = -1;
};

}  // namespace ormix::app
