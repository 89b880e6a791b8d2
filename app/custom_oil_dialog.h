// The custom oil dialog: the oils of `CustomLib`, with buttons to add one
// (blank, or as a copy of a library oil or of the custom oil selected), to
// edit or remove the selected oil, and to choose it for the scenario.
#pragma once

#include <QDialog>

#include "app/app_context.h"
#include "oil/custom_oil.h"
#include "scenario/spill_doc.h"

class QPushButton;
class QRadioButton;

namespace ormix::app {

class OilListView;

// The three ways a new custom oil starts.
class NewCustomOilDialog : public QDialog {
    Q_OBJECT
public:
    NewCustomOilDialog(AppContext& context, QWidget* parent = nullptr);
    NewCustomOil Way() const;

    QRadioButton* copyOfLibraryOil;
    QRadioButton* blank;
    QRadioButton* copyOfCustomOil;
};

class CustomOilDialog : public QDialog {
    Q_OBJECT
public:
    CustomOilDialog(CSpillDoc& doc, AppContext& context, QWidget* parent = nullptr);

    // The buttons' actions.
    void New();
    void Edit();
    void Remove();
    void Choose();
    // Starts a new oil the given way and opens the edit sheet.
    void StartNew(NewCustomOil way);
    // Whether the scenario's oil was chosen here.
    bool ChoseOil() const { return chose_; }

    OilListView* oils;
    QPushButton* newOil;
    QPushButton* edit;
    QPushButton* remove;
    QPushButton* choose;

private:
    void OpenSheet(long editPosition);
    void Refresh(const std::string& keepId);
    std::string SelectedId() const;

    CSpillDoc& doc_;
    AppContext& context_;
    bool chose_ = false;
};

}  // namespace ormix::app
