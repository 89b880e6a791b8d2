// The ICS table window: Box 3 of the ICS 209-OS form for the operational
// period chosen on its bar, and its Save command.
#pragma once

// The engine's ICS table has a member named like a word Qt takes for
// itself; it is read without Qt's meaning of the word.
#pragma push_macro("slots")
#undef slots
#include "output/ics_table.h"
#pragma pop_macro("slots")

#include "app/app_context.h"
#include "app/scenario_view.h"

class QComboBox;
class QLineEdit;
class QSpinBox;
class QPushButton;

namespace ormix::app {

class TextTableView;

class IcsTableView final : public ScenarioView {
    Q_OBJECT
public:
    IcsTableView(ScenarioSession& session, AppContext& context, QWidget* parent = nullptr);

    bool CopyToClipboard() override;
    void Refresh() override;
    std::vector<PrintedPage> PrintedPages() const override;
    QString ExportTitle() const override;
    QString ExportFilter() const override;
    QString ExportName() const override;
    // The table as shown, as tab-separated text or CSV.
    bool ExportTo(const QString& path, QString& error) override;

    // "Save ICS Table File": asks for the file and writes the period of the
    // last redraw. True when a file was written.
    bool SaveTable();

    const IcsTable& Table() const { return table_; }
    QComboBox* MonthChoice() const { return month_; }
    QSpinBox* DayChoice() const { return day_; }
    QSpinBox* HourChoice() const { return hour_; }
    QLineEdit* DurationField() const { return duration_; }
    QPushButton* SaveButton() const { return save_; }
    TextTableView* TableText() const { return text_; }

private:
    void DurationTyped();

    AppContext& context_;
    IcsPeriod period_;
    IcsTable table_;
    QComboBox* month_;
    QSpinBox *day_, *hour_;
    QLineEdit* duration_;
    QPushButton* save_;
    TextTableView* text_;
};

// The name, the filter and the extension of the saved table.
inline constexpr char kIcsSaveTitle[] = "Save ICS Table File";
inline constexpr char kIcsDefaultName[] = "ICS209.txt";
inline constexpr char kIcsDefaultExtension[] = "ics";

}  // namespace ormix::app
