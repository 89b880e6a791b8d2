// The custom oil edit sheet: "Name, Source" above four pages (general
// information, properties, more properties, distillation). "Save Changes"
// converts what was typed into the library's units, has the engine check
// the oil and rewrites `CustomLib` safely; a refusal keeps the sheet open as
// typed. Only the values the person changed are written, so that values of
// a copied oil the sheet cannot show exactly (a pour point range, more
// decimals) stay as they were.
#pragma once

#include <QDialog>
#include <vector>

#include "app/app_context.h"
#include "oil/custom_oil.h"

class QComboBox;
class QLineEdit;
class QTabWidget;
class QWidget;

namespace ormix::app {

class CustomOilSheet : public QDialog {
    Q_OBJECT
public:
    // Edits the fields of `custom` (already read or started); the oil is
    // saved at `editPosition` (-1: a new oil).
    CustomOilSheet(OilLibrary& custom, long editPosition, AppContext& context,
                   QWidget* parent = nullptr);

    void accept() override;  // "Save Changes"

    // The entry of a value by its key (e.g. "api", "density1Temp"), or null.
    QLineEdit* Entry(const char* key) const;
    QComboBox* Choice(const char* key) const;

    QLineEdit* name;
    QComboBox* temperatureUnit;
    QTabWidget* tabs;

private:
    struct Field {
        const CustomOilItem* item;
        QString label;
        QLineEdit* edit = nullptr;
        QComboBox* choice = nullptr;
        QString shown;  // the choice as it was shown
    };
    QLineEdit* AddEntry(const char* key, const QString& label);
    QComboBox* AddChoice(const char* key, const QString& label, QStringList offered);
    QWidget* GeneralPage();
    QWidget* PropertiesPage();
    QWidget* MorePropertiesPage();
    QWidget* DistillationPage();
    TemperatureUnit Unit() const;
    void UnitChanged();
    void OfferOilClasses();
    // Reads every changed number; false after telling the first refusal.
    bool ReadChanged(TemperatureUnit unit, bool temperaturesOnly,
                     std::vector<std::pair<const Field*, std::optional<double>>>& out);

    OilLibrary& custom_;
    long editPosition_;
    AppContext& context_;
    std::vector<Field> fields_;
    int unitShown_ = 0;
};

}  // namespace ormix::app
