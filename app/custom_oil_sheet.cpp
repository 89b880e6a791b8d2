#include "app/custom_oil_sheet.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/dialog_support.h"
#include "oil/custom_oil_entry.h"
#include "oil/oil_fields.h"

namespace ormix::app {

namespace {

bool IsTemperatureKind(EntryKind k) {
    return k == EntryKind::Temperature || k == EntryKind::PourOrFlash;
}

QLabel* Heading(const QString& text) {
    return new QLabel(QStringLiteral("<b>%1</b>").arg(text.toHtmlEscaped()));
}

// A label as messages name it: without its mnemonic and colon.
QString PlainLabel(QString label) {
    label.remove(QLatin1Char('&'));
    if (label.endsWith(QLatin1Char(':'))) label.chop(1);
    return label;
}

// A stored value in its entry unit, to the precision the library keeps it
// in (single precision).
QString Shown(std::optional<double> v) {
    return v ? QString::number(*v, 'g', 7) : QString();
}

QWidget* Scrolled(QWidget* page) {
    auto* area = new QScrollArea;
    area->setWidget(page);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    return area;
}

}  // namespace

CustomOilSheet::CustomOilSheet(OilLibrary& custom, long editPosition, AppContext& context,
                               QWidget* parent)
    : QDialog(parent), custom_(custom), editPosition_(editPosition), context_(context) {
    setWindowTitle(tr("Custom Oil"));
    auto* title = new QLabel(tr("Custom Oil Library"));
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    big.setBold(true);
    title->setFont(big);
    // A library not saved yet has no date.
    auto* modified =
        new QLabel(custom.Date().empty() ? tr("No custom oil has been saved yet.")
                                         : tr("Library last modified on ") + Q(custom.Date()));
    temperatureUnit = ChoiceBox({"deg C", "deg F"}, 0);
    name = AddEntry("name", tr("Name, Source"));
    name->setMinimumWidth(420);
    name->setToolTip(tr("The oil's name, a comma, then where its data come from"));

    tabs = new QTabWidget;
    tabs->addTab(Scrolled(GeneralPage()), tr("&General Information"));
    tabs->addTab(Scrolled(PropertiesPage()), tr("&Properties"));
    tabs->addTab(Scrolled(MorePropertiesPage()), tr("&More Properties"));
    tabs->addTab(Scrolled(DistillationPage()), tr("&Distillation"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                                         QDialogButtonBox::Help);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("&Save Changes"));
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            [this] { context_.help.ShowTopic(QStringLiteral("OilInfo.html")); });

    auto* form = new QFormLayout;
    form->addRow(BuddyLabel(tr("&Name, Source:"), name), name);
    form->addRow(BuddyLabel(tr("&Temperatures in:"), temperatureUnit), Row({temperatureUnit}));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(modified);
    layout->addLayout(form);
    layout->addWidget(tabs, 1);
    layout->addWidget(buttons);
    connect(temperatureUnit, &QComboBox::currentIndexChanged, this, &CustomOilSheet::UnitChanged);
    resize(720, 620);
}

TemperatureUnit CustomOilSheet::Unit() const {
    return unitShown_ == 1 ? TemperatureUnit::Fahrenheit : TemperatureUnit::Celsius;
}

QLineEdit* CustomOilSheet::AddEntry(const char* key, const QString& shownLabel) {
    const CustomOilItem* item = FindCustomOilItem(key);
    const QString label = PlainLabel(shownLabel);
    auto* edit = new QLineEdit;
    edit->setAccessibleName(label);
    if (item->kind == EntryKind::Text)
        edit->setText(
            QString::fromUtf8(custom_.FieldText(item->field).data(),
                              static_cast<qsizetype>(custom_.FieldText(item->field).size())));
    else
        edit->setText(Shown(EnteredNumber(custom_, *item, Unit())));
    edit->setModified(false);
    fields_.push_back({item, label, edit, nullptr, {}});
    return edit;
}

QComboBox* CustomOilSheet::AddChoice(const char* key, const QString& shownLabel,
                                     QStringList offered) {
    const CustomOilItem* item = FindCustomOilItem(key);
    const QString label = PlainLabel(shownLabel);
    const QString current = Q(std::string(custom_.FieldText(item->field)));
    auto* box = new QComboBox;
    box->setAccessibleName(label);
    box->addItem(QString());  // not given
    box->addItems(offered);
    // A value the list does not offer is shown as it is.
    if (!current.isEmpty() && box->findText(current) < 0) box->addItem(current);
    box->setCurrentIndex(box->findText(current));
    fields_.push_back({item, label, nullptr, box, current});
    return box;
}

QLineEdit* CustomOilSheet::Entry(const char* key) const {
    for (const Field& f : fields_)
        if (f.edit && f.item->key == key) return f.edit;
    return nullptr;
}

QComboBox* CustomOilSheet::Choice(const char* key) const {
    for (const Field& f : fields_)
        if (f.choice && f.item->key == key) return f.choice;
    return nullptr;
}

QWidget* CustomOilSheet::GeneralPage() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    auto entry = [&](const char* key, const QString& label) {
        QLineEdit* e = AddEntry(key, label);
        form->addRow(BuddyLabel(label, e), e);
    };
    entry("location", tr("&Location:"));
    entry("fieldName", tr("&Field name:"));
    entry("synonyms", tr("S&ynonyms:"));
    entry("reference", tr("&Reference:"));
    QComboBox* type = AddChoice("productType", tr("Product &type:"), {"crude", "refined"});
    form->addRow(BuddyLabel(tr("Product &type:"), type), type);
    QComboBox* oilClass = AddChoice("oilClass", tr("Oil &class:"), {});
    form->addRow(BuddyLabel(tr("Oil &class:"), oilClass), oilClass);
    entry("comments", tr("C&omments:"));
    OfferOilClasses();
    connect(type, &QComboBox::currentIndexChanged, this, &CustomOilSheet::OfferOilClasses);
    return page;
}

// The oil classes the product type allows: "group 1" and on, as long as the
// engine accepts them.
void CustomOilSheet::OfferOilClasses() {
    QComboBox* type = Choice("productType");
    QComboBox* box = Choice("oilClass");
    const std::string productType = S(type->currentText());
    const QString chosen = box->currentText();
    QSignalBlocker block(box);
    box->clear();
    box->addItem(QString());
    const CustomOilItem* item = FindCustomOilItem("oilClass");
    for (int g = 1; g <= 9; ++g) {
        std::string group = "group " + std::to_string(g);
        if (!ChoiceProblem(*item, group, productType).empty()) break;
        box->addItem(Q(group));
    }
    // A class the oil came with stays on offer, so that it is not lost
    // unless the person changes it.
    for (const Field& f : fields_)
        if (f.choice == box && !f.shown.isEmpty() && box->findText(f.shown) < 0)
            box->addItem(f.shown);
    int i = box->findText(chosen);
    box->setCurrentIndex(i < 0 ? 0 : i);
}

QWidget* CustomOilSheet::PropertiesPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* form = new QFormLayout;
    QLineEdit* api = AddEntry("api", tr("API"));
    form->addRow(BuddyLabel(tr("&API:"), api), Row({api}));
    layout->addLayout(form);
    // Measurements: value, its temperature, and how weathered the oil was.
    auto table = [&](const QString& heading, const char* key, int count, const QString& unit) {
        layout->addWidget(Heading(heading));
        auto* grid = new QGridLayout;
        grid->addWidget(new QLabel(unit), 0, 1);
        grid->addWidget(new QLabel(tr("at temperature")), 0, 2);
        grid->addWidget(new QLabel(tr("weathering (%)")), 0, 3);
        for (int i = 1; i <= count; ++i) {
            std::string k = key + std::to_string(i);
            QString n = QString::number(i);
            grid->addWidget(new QLabel(n), i, 0);
            grid->addWidget(AddEntry(k.c_str(), heading + QLatin1Char(' ') + n), i, 1);
            grid->addWidget(
                AddEntry((k + "Temp").c_str(), heading + QLatin1Char(' ') + n + tr(" temperature")),
                i, 2);
            grid->addWidget(AddEntry((k + "Weathering").c_str(),
                                     heading + QLatin1Char(' ') + n + tr(" weathering")),
                            i, 3);
        }
        layout->addLayout(grid);
    };
    table(tr("Density"), "density", kDensityPoints, tr("g/cm3"));
    table(tr("Kinematic viscosity"), "kinematicViscosity", oilfield::kViscosityPoints, tr("cSt"));
    table(tr("Dynamic viscosity"), "dynamicViscosity", oilfield::kViscosityPoints, tr("cP"));
    layout->addWidget(
        new QLabel(tr("The first density or the API, and the first viscosity, "
                      "are required: those of the fresh oil.")));
    layout->addStretch();
    return page;
}

QWidget* CustomOilSheet::MorePropertiesPage() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    struct Row {
        const char* key;
        QString label;
    };
    const Row rows[] = {
        {"pourPoint", tr("Pour point (temperature)")},
        {"flashPoint", tr("Flash point (temperature)")},
        {"asphaltene", tr("Asphaltene content (%)")},
        {"wax", tr("Wax content (%)")},
        {"aromatics", tr("Aromatics (%)")},
        {"benzene", tr("Benzene (%)")},
        {"naphthenes", tr("Naphthenes (%)")},
        {"paraffins", tr("Paraffins (%)")},
        {"polars", tr("Polars (%)")},
        {"resins", tr("Resins (%)")},
        {"saturates", tr("Saturates (%)")},
        {"sulphur", tr("Sulphur (%)")},
        {"emulsionWaterContent", tr("Water content of emulsion (%)")},
        {"emulsificationOnset", tr("Emulsification onset (% evaporated)")},
        {"adhesion", tr("Adhesion (g/m2)")},
        {"nickel", tr("Nickel (ppm)")},
        {"vanadium", tr("Vanadium (ppm)")},
        {"oilWaterTension", tr("Oil/water interfacial tension (mN/m)")},
        {"oilWaterTensionTemp", tr("at temperature")},
        {"oilSeawaterTension", tr("Oil/seawater interfacial tension (mN/m)")},
        {"oilSeawaterTensionTemp", tr("at temperature")},
    };
    // Two columns of label and entry.
    const int half = (static_cast<int>(std::size(rows)) + 1) / 2;
    for (int i = 0; i < static_cast<int>(std::size(rows)); ++i) {
        const Row& r = rows[i];
        QLineEdit* e = AddEntry(r.key, r.label);
        e->setMaximumWidth(110);
        const int col = i < half ? 0 : 2;
        const int row = i < half ? i : i - half;
        grid->addWidget(BuddyLabel(r.label, e), row, col);
        grid->addWidget(e, row, col + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(half, 1);
    return page;
}

QWidget* CustomOilSheet::DistillationPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* form = new QFormLayout;
    QComboBox* units = AddChoice("cutUnits", tr("Cut units"), {"volume %", "weight %"});
    form->addRow(BuddyLabel(tr("Cut &units:"), units), units);
    layout->addLayout(form);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Cut")), 0, 0);
    grid->addWidget(new QLabel(tr("Vapour temperature")), 0, 1);
    grid->addWidget(new QLabel(tr("Percent distilled")), 0, 2);
    for (int i = 1; i <= kCuts; ++i) {
        std::string k = "cut" + std::to_string(i);
        QString n = QString::number(i);
        grid->addWidget(new QLabel(n), i, 0);
        grid->addWidget(AddEntry((k + "Temp").c_str(), tr("Cut %1 temperature").arg(n)), i, 1);
        grid->addWidget(AddEntry((k + "Percent").c_str(), tr("Cut %1 percent").arg(n)), i, 2);
    }
    layout->addLayout(grid);
    layout->addWidget(new QLabel(tr("A refined product needs at least three cuts.")));
    layout->addStretch();
    return page;
}

bool CustomOilSheet::ReadChanged(TemperatureUnit unit, bool temperaturesOnly,
                                 std::vector<std::pair<const Field*, std::optional<double>>>& out) {
    for (const Field& f : fields_) {
        if (!f.edit || f.item->kind == EntryKind::Text || !f.edit->isModified()) continue;
        if (temperaturesOnly && !IsTemperatureKind(f.item->kind)) continue;
        CustomOilEntry e = ReadCustomOilEntry(*f.item, S(f.label), S(f.edit), unit);
        if (!e.refusal.empty()) {
            context_.prompts.Tell(this, MessageKind::Error, Q(e.refusal));
            f.edit->setFocus();
            return false;
        }
        out.emplace_back(&f, e.value);
    }
    return true;
}

void CustomOilSheet::UnitChanged() {
    // Temperatures typed in the old unit are kept in the oil's fields, then
    // every temperature is shown in the new one.
    std::vector<std::pair<const Field*, std::optional<double>>> typed;
    if (!ReadChanged(Unit(), true, typed)) {
        QSignalBlocker block(temperatureUnit);
        temperatureUnit->setCurrentIndex(unitShown_);
        return;
    }
    for (auto& [f, v] : typed)
        SetEnteredNumber(custom_, *f->item, v, Unit());
    unitShown_ = temperatureUnit->currentIndex();
    for (const Field& f : fields_) {
        if (!f.edit || !IsTemperatureKind(f.item->kind)) continue;
        bool changed = f.edit->isModified();
        f.edit->setText(Shown(EnteredNumber(custom_, *f.item, Unit())));
        f.edit->setModified(changed);
    }
}

void CustomOilSheet::accept() {
    std::vector<std::pair<const Field*, std::optional<double>>> numbers;
    if (!ReadChanged(Unit(), false, numbers)) return;
    for (const Field& f : fields_) {
        if (f.edit && f.item->kind == EntryKind::Text && f.edit->isModified())
            SetEnteredText(custom_, *f.item, S(f.edit));
        if (f.choice && f.choice->currentText() != f.shown)
            SetEnteredText(custom_, *f.item, S(f.choice->currentText()));
    }
    for (auto& [f, v] : numbers)
        SetEnteredNumber(custom_, *f->item, v, Unit());
    PromptSink sink(context_.prompts, this);
    if (SaveCustomOil(custom_, editPosition_, sink)) QDialog::accept();
}

}  // namespace ormix::app
