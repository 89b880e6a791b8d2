// The response operation sheets: "Dispersant Use" (Spray 1 to 5),
// "In-SituBurn" (Burn 1 to 5, with "Advanced Options" and the smoke plume
// of each burn) and "Mechanical Cleanup" (Cleanup 1 to 5). A page's check
// box puts its operation in use and enables its fields; a page in use is
// checked when it is left and when the sheet closes with OK.
#pragma once

#include <QStringList>
#include <array>
#include <set>
#include <string>

#include "app/dialog_support.h"
#include "scenario/response_dialogs.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace ormix::app {

class DayHourEntry;

class OperationSheet : public InputDialog {
    Q_OBJECT
public:
    QTabWidget* tabs;
    std::array<QCheckBox*, kOperationSlots> use{};
    std::array<DayHourEntry*, kOperationSlots> when{};

protected:
    OperationSheet(CSpillDoc& doc, AppContext& context, QWidget* parent, const QString& title,
                   const QString& pageName, const QString& topic);
    // Lays out the pages (each holding its fields in `fields[slot]`) and the
    // buttons; `extra` goes beside OK, Cancel and Help.
    void Finish(const std::array<QWidget*, kOperationSlots>& fields, QPushButton* extra = nullptr);
    virtual DialogResult CheckPage(int slot) const = 0;
    virtual DialogResult SheetOK(int* refused) = 0;
    bool Apply() override;

private:
    void PageChanged(int now);
    bool ShowOnce(const DialogResult& r);

    QString topic_;
    QString pageName_;
    int current_ = 0;
    std::set<std::string> warned_;  // warnings already shown while the sheet is open
};

class DispersantSheet : public OperationSheet {
    Q_OBJECT
public:
    DispersantSheet(CSpillDoc& doc, AppContext& context, QWidget* parent = nullptr);
    DispersantPage Page(int slot) const;

    std::array<QLineEdit*, kOperationSlots> duration{}, percentSprayed{}, percentDispersed{};

protected:
    DialogResult CheckPage(int slot) const override;
    DialogResult SheetOK(int* refused) override;
};

class BurnSheet : public OperationSheet {
    Q_OBJECT
public:
    BurnSheet(CSpillDoc& doc, AppContext& context, QWidget* parent = nullptr);
    BurnPage Page(int slot) const;
    // Opens the smoke plume calculator for the burn of a page, once its
    // burn can be computed.
    void OpenSmokePlume(int slot);

    std::array<QLineEdit*, kOperationSlots> area{}, thickness{};
    std::array<QComboBox*, kOperationSlots> areaUnit{}, thicknessUnit{};
    std::array<QPushButton*, kOperationSlots> smokePlume{};
    QPushButton* advanced;

protected:
    DialogResult CheckPage(int slot) const override;
    DialogResult SheetOK(int* refused) override;
};

class CleanupSheet : public OperationSheet {
    Q_OBJECT
public:
    CleanupSheet(CSpillDoc& doc, AppContext& context, QWidget* parent = nullptr);
    CleanupPage Page(int slot) const;

    std::array<QLineEdit*, kOperationSlots> duration{}, rate{}, amount{};
    std::array<QRadioButton*, kOperationSlots> byRate{}, byAmount{};
    std::array<QComboBox*, kOperationSlots> rateUnit{}, amountUnit{};

protected:
    DialogResult CheckPage(int slot) const override;
    DialogResult SheetOK(int* refused) override;
};

}  // namespace ormix::app
