// Every example scenario entered through the dialogs alone, as a person
// fills them: saved, it is the same scenario file as the scenario read from
// its JSON, and it solves to the same oil budget table.
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <nlohmann/json.hpp>

#include "app/beaching_dialog.h"
#include "app/burn_rate_dialog.h"
#include "app/emulsification_dialog.h"
#include "app/oil_library_sheet.h"
#include "app/oil_list_view.h"
#include "app/release_dialog.h"
#include "app/release_kind_dialogs.h"
#include "app/response_sheets.h"
#include "app/smoke_plume_dialog.h"
#include "app/tank_wizard_pages.h"
#include "app/water_dialog.h"
#include "app/wind_dialog.h"
#include "app/wind_side_dialogs.h"
#include "dialog_driver.h"
#include "fake_prompts.h"
#include "output/budget_table.h"
#include "scenario/scenario_file.h"
#include "scenario_helpers.h"
#include "test_registry.h"

namespace ormix::app::testing {

namespace {

using nlohmann::json;

// A JSON value as a person types it.
QString Text(const json& j, const char* key) {
    if (!j.contains(key) || j.at(key).is_null()) return {};
    const json& v = j.at(key);
    return QString::fromStdString(v.is_string() ? v.get<std::string>() : v.dump());
}

int IndexOf(const json& j, const char* key, std::initializer_list<const char*> labels,
            int fallback) {
    if (!j.contains(key)) return fallback;
    int i = 0;
    for (const char* l : labels) {
        if (j.at(key) == l) return i;
        ++i;
    }
    return fallback;
}

const std::initializer_list<const char*> kAmountUnits = {"bbl", "gal", "cu m", "tons",
                                                         "metric tons"};
const std::initializer_list<const char*> kRateUnits = {"bbl/hr",  "gal/hr",         "cu m/hr",
                                                       "tons/hr", "metric tons/hr", "gal/min"};
const std::initializer_list<const char*> kAreaUnits = {"sq. feet", "sq. yards", "sq. meters"};
const std::initializer_list<const char*> kSpeedUnits = {"mph", "knots", "m/s"};

// Presses OK and expects the dialog to close accepted.
void Ok(QDialog* d) {
    QDialogButtonBox* box = d->findChild<QDialogButtonBox*>();
    QVERIFY(box);
    QCOMPARE(Closes(d, box->button(QDialogButtonBox::Ok)), int(QDialog::Accepted));
}

void EnterOil(const json& j, CSpillDoc& doc, AppContext& context) {
    QVERIFY(doc.OilLib().Load() == 0);
    OilLibrarySheet sheet(doc, doc.OilLib(), context, OilLibrarySheet::Purpose::ChooseForScenario);
    Type(sheet.oils->find, QString::fromStdString(j.at("name").get<std::string>()));
    std::vector<const OilSummary*> found = FindOils(doc.OilLib(), j.at("name").get<std::string>());
    QCOMPARE(found.size(), size_t{1});
    sheet.oils->Select(found.front()->position);
    QCOMPARE(Closes(&sheet, sheet.done), int(QDialog::Accepted));
}

int ListedChoice(const QString& value, std::initializer_list<const char*> listed, int other) {
    if (value.isEmpty()) return other == 3 ? -1 : -1;
    int i = 0;
    for (const char* l : listed) {
        if (value == QLatin1String(l)) return i;
        ++i;
    }
    return other;
}

void EnterWater(const json& j, CSpillDoc& doc, AppContext& context) {
    WaterDialog d(doc, context);
    Type(d.temperature, Text(j, "temperature"));
    Choose(d.temperatureUnit, IndexOf(j, "unit", {"F", "C"}, 1));
    const QString salinity = Text(j, "salinity"), sediment = Text(j, "sediment");
    int s = ListedChoice(salinity, {"0", "15", "32"}, kOtherSalinity);
    Choose(d.salinityChoice, s < 0 ? kOceanic : s);
    if (s == kOtherSalinity) Type(d.salinity, salinity);
    int t = ListedChoice(sediment, {"5", "50", "500"}, kOtherSediment);
    Choose(d.sedimentChoice, t < 0 ? kOcean : t);
    if (t == kOtherSediment) Type(d.sediment, sediment);
    if (j.contains("current")) {
        const json& c = j.at("current");
        Type(d.currentSpeed, Text(c, "speed"));
        Choose(d.currentUnit, IndexOf(c, "unit", kSpeedUnits, 0));
        Type(d.currentDirection, Text(c, "direction"));
    }
    Ok(&d);
}

void EnterWind(const json& j, CSpillDoc& doc, AppContext& context) {
    WindDialog d(doc, context);
    d.show();
    const bool timed = j.contains("records");
    const json waves = j.value("waves", json("from wind"));
    if (!timed) {
        Type(d.speed, Text(j, "speed"));
        Type(d.direction, Text(j, "direction"));
        Choose(d.speedUnit, IndexOf(j, "unit", kSpeedUnits, 0));
        if (waves.is_object() && waves.contains("fetch")) {
            Choose(d.waves, kWavesFromFetch);
            Type(d.fetch, Text(waves, "fetch"));
            Choose(d.fetchUnit, IndexOf(waves, "unit", {"miles", "km"}, 0));
        } else if (waves.is_object()) {
            Choose(d.waves, kKnownWaveHeight);
            Type(d.waveHeight, Text(waves, "height"));
            Choose(d.waveHeightUnit, IndexOf(waves, "unit", {"meters", "feet"}, 0));
        }
    } else {
        Click(d.variable);
        Choose(d.recordSpeedUnit, IndexOf(j, "unit", kSpeedUnits, 0));
        Choose(d.recordWaveHeightUnit, IndexOf(j, "waveHeightUnit", {"meters", "feet"}, 0));
        for (const json& r : j.at("records")) {
            SetWhen(d.recordTime, r.at("time").get<std::string>());
            Type(d.recordSpeed, Text(r, "speed"));
            Type(d.recordDirection, Text(r, "direction"));
            Type(d.recordWaveHeight, Text(r, "waveHeight"));
            QVERIFY(d.AddRecord());
        }
        if (waves.is_object()) {
            Choose(d.waves, kWavesFromFetch);
            Click(d.fetches);
            auto* f = Opened<FetchDialog>(&d);
            QVERIFY(f);
            const json& fetch = waves.at("fetch");
            Type(f->north, Text(fetch, "north"));
            Type(f->east, Text(fetch, "east"));
            Type(f->south, Text(fetch, "south"));
            Type(f->west, Text(fetch, "west"));
            Choose(f->unit, IndexOf(fetch, "unit", {"miles", "km"}, 0));
            Ok(f);
        }
    }
    if (j.contains("uncertainty")) {
        Click(d.uncertainty);
        auto* u = Opened<WindUncertaintyDialog>(&d);
        QVERIFY(u);
        Type(u->value, Text(j.at("uncertainty"), "speed"));
        Choose(u->unit, IndexOf(j.at("uncertainty"), "unit", kSpeedUnits, 0));
        Ok(u);
    }
    Ok(&d);
}

void EnterTank(const json& t, LeakingTankWizard* w) {
    const json& s1 = t.at("step1");
    Type(w->length, Text(s1, "length"));
    Type(w->width, Text(s1, "width"));
    Type(w->height, Text(s1, "height"));
    Choose(w->sizeUnit, IndexOf(s1, "unit", {"meters", "feet"}, 0));
    const json& s2 = t.at("step2");
    Click(s2.value("choice", "amount") == "percent" ? w->byPercent : w->byAmount);
    Type(w->amount, Text(s2, "amount"));
    Choose(w->amountUnit, IndexOf(s2, "unit", {"bbl", "gal", "cu m", "cu feet"}, 0));
    Type(w->percentFull, Text(s2, "percent"));
    const json& s3 = t.at("step3");
    Click(s3.value("choice", "circular") == "circular" ? w->circular : w->rectangular);
    Type(w->diameter, Text(s3, "diameter"));
    Type(w->rectLength, Text(s3, "length"));
    Type(w->rectHeight, Text(s3, "height"));
    Choose(w->openingUnit, IndexOf(s3, "unit", {"meters", "cm", "feet", "inches"}, 0));
    auto level = [](const json& s, QRadioButton* byHeight, QRadioButton* byPercent,
                    QLineEdit* height, QComboBox* unit, QLineEdit* percent) {
        Click(s.value("choice", "height") == "height" ? byHeight : byPercent);
        Type(height, Text(s, "height"));
        Choose(unit, IndexOf(s, "unit", {"meters", "feet"}, 0));
        Type(percent, Text(s, "percent"));
    };
    level(t.at("step4"), w->leakByHeight, w->leakByPercent, w->leakHeight, w->leakHeightUnit,
          w->leakPercent);
    level(t.at("step5"), w->waterByHeight, w->waterByPercent, w->waterHeight, w->waterHeightUnit,
          w->waterPercent);
    SetWhen(w->when, t.at("time").get<std::string>());
    for (int step = 1; step <= 6; ++step)
        w->next();
    QCOMPARE(w->currentId(), 6);
    Choose(w->plotUnit, IndexOf(t.value("step7", json::object()), "unit", kAmountUnits, 0));
    QCOMPARE(Closes(w, w->button(QWizard::FinishButton)), int(QDialog::Accepted));
}

void EnterReleases(const json& j, CSpillDoc& doc, AppContext& context) {
    ReleaseDialog d(doc, context);
    d.show();
    if (j.contains("contained")) {
        const json& r = j.at("contained");
        Click(d.containedButton);
        auto* c = Opened<ContainedDialog>(&d);
        QVERIFY(c);
        SetWhen(c->when, r.at("time").get<std::string>());
        Type(c->amount, Text(r, "amount"));
        Choose(c->unit, IndexOf(r, "unit", kAmountUnits, 0));
        Type(c->area, Text(r, "area"));
        Choose(c->areaUnit, IndexOf(r, "areaUnit", kAreaUnits, 2));
        Ok(c);
    }
    if (j.contains("instantaneous")) {
        const json& r = j.at("instantaneous");
        Click(d.instantaneousButton);
        auto* i = Opened<InstantaneousDialog>(&d);
        QVERIFY(i);
        SetWhen(i->when, r.at("time").get<std::string>());
        Type(i->amount, Text(r, "amount"));
        Choose(i->unit, IndexOf(r, "unit", kAmountUnits, 0));
        Ok(i);
    }
    if (j.contains("continuous")) {
        const json& r = j.at("continuous");
        Click(d.continuousButton);
        auto* c = Opened<ContinuousDialog>(&d);
        QVERIFY(c);
        SetWhen(c->when, r.at("time").get<std::string>());
        Type(c->duration, Text(r, "duration"));
        Choose(c->durationUnit, IndexOf(r, "durationUnit", {"hours", "days"}, 0));
        if (r.contains("amount")) {
            Click(c->byAmount);
            Type(c->amount, Text(r, "amount"));
            Choose(c->amountUnit, IndexOf(r, "unit", kAmountUnits, 0));
        } else if (r.contains("rate")) {
            Click(c->byRate);
            Type(c->rate, Text(r, "rate"));
            Choose(c->rateUnit1, IndexOf(r, "rateUnit", kRateUnits, 0));
        } else {
            Click(c->byRates);
            Type(c->startRate, Text(r, "startRate"));
            Type(c->endRate, Text(r, "endRate"));
            Choose(c->rateUnit2, IndexOf(r, "rateUnit", kRateUnits, 0));
        }
        Ok(c);
    }
    if (j.contains("tank")) {
        Click(d.tankButton);
        auto* w = Opened<LeakingTankWizard>(&d);
        QVERIFY(w);
        EnterTank(j.at("tank"), w);
    }
    if (j.contains("uncertainty")) {
        Click(d.uncertaintyButton);
        auto* u = Opened<AmountUncertaintyDialog>(&d);
        QVERIFY(u);
        Type(u->percent, Text(j, "uncertainty"));
        Ok(u);
    }
    Ok(&d);
}

void EnterEmulsification(const json& j, CSpillDoc& doc, AppContext& context) {
    EmulsificationDialog d(doc, context);
    if (j.is_string()) {
        Click(d.useDefault);
    } else {
        Click(d.useValue);
        const bool percent = j.contains("evaporated");
        Choose(d.unit, percent ? 0 : 1);
        Type(d.value, Text(j, percent ? "evaporated" : "hours"));
        Type(d.uncertainty, Text(j, "uncertainty"));
    }
    Ok(&d);
}

// The pages of a sheet given in the scenario: put in use and filled.
template <class Sheet, class Fill>
void EnterSheet(const json& pages, Sheet& sheet, Fill fill) {
    for (size_t i = 0; i < pages.size(); ++i) {
        sheet.tabs->setCurrentIndex(static_cast<int>(i));
        if (pages[i].is_null()) continue;
        Click(sheet.use[i]);
        SetWhen(sheet.when[i], pages[i].at("time").get<std::string>());
        fill(static_cast<int>(i), pages[i]);
    }
}

void EnterResponse(const json& j, CSpillDoc& doc, AppContext& context) {
    if (j.contains("dispersant")) {
        DispersantSheet s(doc, context);
        s.show();
        EnterSheet(j.at("dispersant"), s, [&](int i, const json& p) {
            Type(s.duration[i], Text(p, "duration"));
            Type(s.percentSprayed[i], Text(p, "percentSprayed"));
            Type(s.percentDispersed[i], Text(p, "percentDispersed"));
        });
        Ok(&s);
    }
    if (j.contains("burns") || j.contains("burnRate")) {
        BurnSheet s(doc, context);
        s.show();
        if (j.contains("burnRate")) {
            Click(s.advanced);
            auto* r = Opened<BurnRateDialog>(&s);
            QVERIFY(r);
            if (j.at("burnRate").is_object()) {
                Choose(r->choice, 1);
                Type(r->rate, Text(j.at("burnRate"), "rate"));
                Choose(r->unit, IndexOf(j.at("burnRate"), "unit", {"mm/sec", "in/sec"}, 0));
            } else {
                Choose(r->choice, 0);
            }
            Ok(r);
        }
        EnterSheet(j.value("burns", json::array()), s, [&](int i, const json& p) {
            Type(s.area[i], Text(p, "area"));
            Choose(s.areaUnit[i], IndexOf(p, "areaUnit", kAreaUnits, 0));
            Type(s.thickness[i], Text(p, "thickness"));
            Choose(s.thicknessUnit[i], IndexOf(p, "thicknessUnit", {"mm", "cm", "inches"}, 0));
            if (!p.contains("smokePlume")) return;
            const json& sp = p.at("smokePlume");
            Click(s.smokePlume[i]);
            auto* plume = Opened<SmokePlumeDialog>(&s);
            QVERIFY(plume);
            Type(plume->loc, Text(sp, "loc"));
            Type(plume->airTemperature, Text(sp, "airTemperature"));
            Choose(plume->airTemperatureUnit, IndexOf(sp, "airTemperatureUnit", {"F", "C"}, 0));
            Type(plume->windSpeed, Text(sp, "windSpeed"));
            Choose(plume->windUnit, IndexOf(sp, "windUnit", kSpeedUnits, 0));
            QVERIFY(plume->Next());
            QCOMPARE(Closes(plume, plume->finished), int(QDialog::Accepted));
        });
        Ok(&s);
    }
    if (j.contains("cleanup")) {
        CleanupSheet s(doc, context);
        s.show();
        EnterSheet(j.at("cleanup"), s, [&](int i, const json& p) {
            Type(s.duration[i], Text(p, "duration"));
            if (p.contains("rate")) {
                Click(s.byRate[i]);
                Type(s.rate[i], Text(p, "rate"));
                Choose(s.rateUnit[i], IndexOf(p, "rateUnit", kRateUnits, 0));
            } else {
                Click(s.byAmount[i]);
                Type(s.amount[i], Text(p, "amount"));
                Choose(s.amountUnit[i], IndexOf(p, "unit", kAmountUnits, 0));
            }
        });
        Ok(&s);
    }
    if (j.contains("beaching")) {
        const json& b = j.at("beaching");
        BeachingDialog d(doc, context);
        Choose(d.unit, IndexOf(b, "unit", kAmountUnits, 0));
        const json days = b.value("days", json::array());
        for (size_t i = 0; i < days.size(); ++i)
            Type(d.days[i], days[i].is_null() ? QString() : QString::fromStdString(days[i].dump()));
        Ok(&d);
    }
}

// The earliest time of the scenario: the year its dialogs place month, day
// and hour in, as a new scenario started then.
std::time_t EarliestTime(const json& root) {
    std::time_t earliest = 0;
    auto consider = [&](const json& o) {
        if (!o.is_object() || !o.contains("time")) return;
        int y, mo, d, h;
        std::sscanf(o.at("time").get<std::string>().c_str(), "%d-%d-%d %d", &y, &mo, &d, &h);
        std::time_t t = MakeLocalTime(y, mo, d, h);
        if (earliest == 0 || t < earliest) earliest = t;
    };
    const json releases = root.value("releases", json::object());
    for (const auto& [key, r] : releases.items())
        consider(r);
    const json records = root.value("wind", json::object()).value("records", json::array());
    for (const json& r : records)
        consider(r);
    return earliest;
}

std::vector<unsigned char> Bytes(const CSpillDoc& doc) {
    std::vector<unsigned char> bytes;
    std::string error;
    if (!EncodeScenario(doc, bytes, error)) qWarning("%s", error.c_str());
    return bytes;
}

}  // namespace

class WholeScenarioTest : public QObject {
    Q_OBJECT
private slots:
    void ThroughTheDialogsAlone_data() {
        QTest::addColumn<QString>("example");
        for (const char* name :
             {"boomed-spill.json", "diesel-continuous.json", "leaking-tank.json",
              "open-sea-crude.json", "response-operations.json", "uncertainty.json",
              "variable-winds-midnight.json", "warm-water-light-product.json"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void ThroughTheDialogsAlone() {
        QFETCH(QString, example);
        const std::string name = example.toStdString();
        const json root = json::parse(ReadText(SourcePath("examples/scenarios/" + name)));
        QTemporaryDir fromJsonDir, byHandDir;
        auto fromJson = ExampleScenario(fromJsonDir, name);
        QVERIFY(fromJson->m_bReleaseInputPassed);

        auto byHand = NewScenario(byHandDir, EarliestTime(root));
        FakeContext fake;
        AppContext& c = fake.context;
        if (root.contains("oil")) EnterOil(root.at("oil"), *byHand, c);
        if (root.contains("water")) EnterWater(root.at("water"), *byHand, c);
        if (root.contains("wind")) EnterWind(root.at("wind"), *byHand, c);
        if (root.contains("releases")) EnterReleases(root.at("releases"), *byHand, c);
        if (root.contains("emulsification"))
            EnterEmulsification(root.at("emulsification"), *byHand, c);
        if (root.contains("response")) EnterResponse(root.at("response"), *byHand, c);
        if (QTest::currentTestFailed()) return;
        for (const auto& t : fake.prompts.told)
            QVERIFY2(t.kind != MessageKind::Error, qPrintable(t.text));

        QVERIFY(Bytes(*byHand) == Bytes(*fromJson));

        QVERIFY(byHand->Solve());
        QVERIFY(fromJson->Solve());
        const BudgetTableChoices choices = InitialBudgetTableChoices(*fromJson);
        QCOMPARE(BuildOilBudgetTable(*byHand, choices).Text(),
                 BuildOilBudgetTable(*fromJson, choices).Text());
    }
};

ORMIX_APP_TEST(WholeScenarioTest)

}  // namespace ormix::app::testing

#include "whole_scenario_test.moc"
