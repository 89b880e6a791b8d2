// Every example scenario entered through the dialogs alone, as a person
// fills them: saved, it is the same scenario file as the scenario read from
// its JSON, and `ormix run` solves it to the oil budget table it solves to.
#include <QDir>
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

// The year, month, day and hour of a "YYYY-MM-DD HH:00" time.
std::array<int, 4> TimeOf(const json& j) {
    std::array<int, 4> t{0, 1, 1, 0};
    std::sscanf(j.at("time").get<std::string>().c_str(), "%d-%d-%d %d", &t[0], &t[1], &t[2], &t[3]);
    return t;
}

// A choice of a list: the first label holding the JSON value (as "C" is
// in "°C"), or `fallback` when the key is missing.
struct Listed {
    QComboBox* box;
    int fallback = 0;
};

void Enter(const json& j, const char* key, QLineEdit* edit) {
    Type(edit, Text(j, key));
}
void Enter(const json& j, const char*, DayHourEntry* when) {
    const auto t = TimeOf(j);
    when->SetValue({t[1], t[2], t[3]});
}
void Enter(const json& j, const char* key, const Listed& l) {
    const QString v = Text(j, key);
    l.box->setCurrentIndex(v.isEmpty() ? l.fallback : l.box->findText(v, Qt::MatchContains));
}
void Enter(const json& j, const char* key, QComboBox* box) {
    Enter(j, key, Listed{box});
}

// Fills each field with the value of its key, in the order given, as a
// person would.
void FillIn(const json&) {}
template <class Field, class... Rest>
void FillIn(const json& j, const char* key, Field field, Rest... rest) {
    Enter(j, key, field);
    FillIn(j, rest...);
}

void Ok(QDialog* d) {
    QCOMPARE(Press(d), kAccepted);
}

void EnterOil(const json& j, CSpillDoc& doc, AppContext& context) {
    QVERIFY(doc.OilLib().Load() == 0);
    OilLibrarySheet sheet(doc, doc.OilLib(), context, OilLibrarySheet::Purpose::ChooseForScenario);
    FillIn(j, "name", sheet.oils->find);
    std::vector<const OilSummary*> found = FindOils(doc.OilLib(), j.at("name").get<std::string>());
    QCOMPARE(found.size(), size_t{1});
    sheet.oils->Select(found.front()->position);
    QCOMPARE(Closes(&sheet, sheet.done), kAccepted);
}

void EnterWater(const json& j, CSpillDoc& doc, AppContext& context) {
    WaterDialog d(doc, context);
    FillIn(j, "temperature", d.temperature, "unit", Listed{d.temperatureUnit, 1});
    // The listed salinities and sediment loads are chosen, any other typed.
    auto listed = [&](const char* key, const QStringList& values, QComboBox* box, int other,
                      int fallback, QLineEdit* edit) {
        const QString v = Text(j, key);
        const int i = v.isEmpty() ? fallback : values.contains(v) ? values.indexOf(v) : other;
        box->setCurrentIndex(i);
        if (i == other) Type(edit, v);
    };
    listed("salinity", {"0", "15", "32"}, d.salinityChoice, kOtherSalinity, kOceanic, d.salinity);
    listed("sediment", {"5", "50", "500"}, d.sedimentChoice, kOtherSediment, kOcean, d.sediment);
    if (j.contains("current"))
        FillIn(j.at("current"), "speed", d.currentSpeed, "unit", d.currentUnit, "direction",
               d.currentDirection);
    Ok(&d);
}

void EnterWind(const json& j, CSpillDoc& doc, AppContext& context) {
    WindDialog d(doc, context);
    d.show();
    const json waves = j.value("waves", json("from wind"));
    if (!j.contains("records")) {
        FillIn(j, "speed", d.speed, "direction", d.direction, "unit", d.speedUnit);
        if (waves.is_object()) {  // the examples' waves come from a fetch
            d.waves->setCurrentIndex(kWavesFromFetch);
            FillIn(waves, "fetch", d.fetch, "unit", d.fetchUnit);
        }
    } else {
        Click(d.variable);
        FillIn(j, "unit", d.recordSpeedUnit, "waveHeightUnit", d.recordWaveHeightUnit);
        for (const json& r : j.at("records")) {
            FillIn(r, "time", d.recordTime, "speed", d.recordSpeed, "direction", d.recordDirection,
                   "waveHeight", d.recordWaveHeight);
            QVERIFY(d.AddRecord());
        }
    }
    if (j.contains("uncertainty"))
        ThroughDialog<WindUncertaintyDialog>(d.uncertainty, &d, [&](WindUncertaintyDialog& u) {
            FillIn(j.at("uncertainty"), "speed", u.value, "unit", u.unit);
        });
    Ok(&d);
}

void EnterTank(const json& t, LeakingTankWizard* w) {
    FillIn(t.at("step1"), "length", w->length, "width", w->width, "height", w->height, "unit",
           w->sizeUnit);
    const json& s2 = t.at("step2");
    Click(s2.value("choice", "amount") == "percent" ? w->byPercent : w->byAmount);
    FillIn(s2, "amount", w->amount, "unit", w->amountUnit, "percent", w->percentFull);
    const json& s3 = t.at("step3");
    Click(s3.value("choice", "circular") == "circular" ? w->circular : w->rectangular);
    FillIn(s3, "diameter", w->diameter, "length", w->rectLength, "height", w->rectHeight, "unit",
           w->openingUnit);
    auto level = [](const json& s, QRadioButton* byHeight, QRadioButton* byPercent,
                    QLineEdit* height, QComboBox* unit, QLineEdit* percent) {
        Click(s.value("choice", "height") == "height" ? byHeight : byPercent);
        FillIn(s, "height", height, "unit", unit, "percent", percent);
    };
    level(t.at("step4"), w->leakByHeight, w->leakByPercent, w->leakHeight, w->leakHeightUnit,
          w->leakPercent);
    level(t.at("step5"), w->waterByHeight, w->waterByPercent, w->waterHeight, w->waterHeightUnit,
          w->waterPercent);
    FillIn(t, "time", w->when);
    for (int step = 1; step <= 6; ++step)
        w->next();
    QCOMPARE(w->currentId(), 6);
    FillIn(t.value("step7", json::object()), "unit", w->plotUnit);
    QCOMPARE(Closes(w, w->button(QWizard::FinishButton)), kAccepted);
}

void EnterReleases(const json& j, CSpillDoc& doc, AppContext& context) {
    ReleaseDialog d(doc, context);
    d.show();
    if (j.contains("contained"))
        ThroughDialog<ContainedDialog>(d.containedButton, &d, [&](ContainedDialog& c) {
            FillIn(j.at("contained"), "time", c.when, "amount", c.amount, "unit", c.unit, "area",
                   c.area, "areaUnit", Listed{c.areaUnit, 2});
        });
    if (j.contains("instantaneous"))
        ThroughDialog<InstantaneousDialog>(d.instantaneousButton, &d, [&](InstantaneousDialog& i) {
            FillIn(j.at("instantaneous"), "time", i.when, "amount", i.amount, "unit", i.unit);
        });
    if (j.contains("continuous"))
        ThroughDialog<ContinuousDialog>(d.continuousButton, &d, [&](ContinuousDialog& c) {
            const json& r = j.at("continuous");
            FillIn(r, "time", c.when, "duration", c.duration, "durationUnit", c.durationUnit);
            Click(c.byAmount);  // the examples give the total amount
            FillIn(r, "amount", c.amount, "unit", c.amountUnit);
        });
    if (j.contains("tank")) {
        Click(d.tankButton);
        auto* w = Opened<LeakingTankWizard>(&d);
        QVERIFY(w);
        EnterTank(j.at("tank"), w);
    }
    if (j.contains("uncertainty"))
        ThroughDialog<AmountUncertaintyDialog>(
            d.uncertaintyButton, &d,
            [&](AmountUncertaintyDialog& u) { FillIn(j, "uncertainty", u.percent); });
    Ok(&d);
}

void EnterEmulsification(const json& j, CSpillDoc& doc, AppContext& context) {
    EmulsificationDialog d(doc, context);
    Click(d.useValue);
    d.unit->setCurrentIndex(0);  // the examples give the onset as a percentage evaporated
    FillIn(j, "evaporated", d.value, "uncertainty", d.uncertainty);
    Ok(&d);
}

// The pages of a sheet given in the scenario: put in use and filled.
template <class Sheet, class Fill>
void EnterSheet(const json& pages, Sheet& sheet, Fill fill) {
    sheet.show();
    for (size_t i = 0; i < pages.size(); ++i) {
        sheet.tabs->setCurrentIndex(static_cast<int>(i));
        if (pages[i].is_null()) continue;
        Click(sheet.use[i]);
        FillIn(pages[i], "time", sheet.when[i]);
        fill(static_cast<int>(i), pages[i]);
    }
}

void EnterResponse(const json& j, CSpillDoc& doc, AppContext& context) {
    if (j.contains("dispersant")) {
        DispersantSheet s(doc, context);
        EnterSheet(j.at("dispersant"), s, [&](int i, const json& p) {
            FillIn(p, "duration", s.duration[i], "percentSprayed", s.percentSprayed[i],
                   "percentDispersed", s.percentDispersed[i]);
        });
        Ok(&s);
    }
    if (j.contains("burns") || j.contains("burnRate")) {
        BurnSheet s(doc, context);
        s.show();
        if (j.contains("burnRate"))
            ThroughDialog<BurnRateDialog>(s.advanced, &s, [&](BurnRateDialog& r) {
                r.choice->setCurrentIndex(1);  // the examples' own rate, in mm/sec
                FillIn(j.at("burnRate"), "rate", r.rate);
                r.unit->setCurrentIndex(0);
            });
        EnterSheet(j.value("burns", json::array()), s, [&](int i, const json& p) {
            FillIn(p, "area", s.area[i], "areaUnit", s.areaUnit[i], "thickness", s.thickness[i],
                   "thicknessUnit", s.thicknessUnit[i]);
            if (!p.contains("smokePlume")) return;
            Click(s.smokePlume[i]);
            auto* plume = Opened<SmokePlumeDialog>(&s);
            QVERIFY(plume);
            FillIn(p.at("smokePlume"), "loc", plume->loc, "airTemperature", plume->airTemperature,
                   "airTemperatureUnit", plume->airTemperatureUnit, "windSpeed", plume->windSpeed,
                   "windUnit", plume->windUnit);
            QVERIFY(plume->Next());
            QCOMPARE(Closes(plume, plume->finished), kAccepted);
        });
        Ok(&s);
    }
    if (j.contains("cleanup")) {
        CleanupSheet s(doc, context);
        EnterSheet(j.at("cleanup"), s, [&](int i, const json& p) {
            FillIn(p, "duration", s.duration[i]);
            const bool rate = p.contains("rate");
            Click(rate ? s.byRate[i] : s.byAmount[i]);
            if (rate)
                FillIn(p, "rate", s.rate[i], "rateUnit", s.rateUnit[i]);
            else
                FillIn(p, "amount", s.amount[i], "unit", s.amountUnit[i]);
        });
        Ok(&s);
    }
    if (j.contains("beaching")) {
        const json& b = j.at("beaching");
        BeachingDialog d(doc, context);
        FillIn(b, "unit", d.unit);
        const json days = b.value("days", json::array());
        for (size_t i = 0; i < days.size(); ++i)
            Type(d.days[i], days[i].is_null() ? QString() : QString::fromStdString(days[i].dump()));
        Ok(&d);
    }
}

// The earliest time of the releases and wind records: the year the
// dialogs' month, day and hour fall in, as a new scenario started then.
std::time_t EarliestTime(const json& root) {
    std::time_t earliest = 0;
    auto consider = [&](const json& o) {
        if (!o.is_object() || !o.contains("time")) return;
        const auto t = TimeOf(o);
        const std::time_t at = MakeLocalTime(t[0], t[1], t[2], t[3]);
        if (earliest == 0 || at < earliest) earliest = at;
    };
    const json releases = root.value("releases", json::object());  // items() keeps a reference
    for (const auto& [key, r] : releases.items())
        consider(r);
    for (const json& r : root.value("wind", json::object()).value("records", json::array()))
        consider(r);
    return earliest;
}

}  // namespace

class WholeScenarioTest : public QObject {
    Q_OBJECT
private slots:
    void ThroughTheDialogsAlone_data() {
        QTest::addColumn<QString>("example");
        for (const QString& name :
             QDir(SourcePath(u"examples/scenarios"_s)).entryList({u"*.json"_s}))
            QTest::newRow(qPrintable(name)) << name;
    }

    void ThroughTheDialogsAlone() {
        QFETCH(QString, example);
        const std::string name = example.toStdString();
        const json root = json::parse(ReadBytes(SourcePath(u"examples/scenarios/"_s + example)));
        QTemporaryDir dir;
        auto byHand = NewScenario(dir, EarliestTime(root));
        FakeContext fake;
        using Enter = void (*)(const json&, CSpillDoc&, AppContext&);
        const std::pair<const char*, Enter> inputs[] = {{"oil", EnterOil},
                                                        {"water", EnterWater},
                                                        {"wind", EnterWind},
                                                        {"releases", EnterReleases},
                                                        {"emulsification", EnterEmulsification},
                                                        {"response", EnterResponse}};
        for (const auto& [key, enter] : inputs)
            if (root.contains(key)) enter(root.at(key), *byHand, fake.context);
        if (QTest::currentTestFailed()) return;
        for (const auto& t : fake.prompts.told)
            QVERIFY2(t.kind != MessageKind::Error, qPrintable(t.text));

        // Saved, it is the file of the scenario read from its JSON, and the
        // command solves it, with the same seed, to the table of the window.
        const QString saved = dir.filePath(u"by-hand.qsx"_s),
                      loaded = dir.filePath(u"loaded.qsx"_s);
        QVERIFY(SaveScenarioFile(*byHand, saved.toStdString()).ok);
        QVERIFY(SaveScenarioFile(*ExampleScenario(dir, name), loaded.toStdString()).ok);
        QCOMPARE(ReadBytes(saved), ReadBytes(loaded));
        QVERIFY(byHand->Solve());
        const CliRun run =
            RunCli(dir.path(), {u"run"_s, saved, u"--seed"_s, u"11"_s, u"--library"_s,
                                SourcePath(u"data/OilLib"_s), u"--workdir"_s, dir.path()});
        QCOMPARE(run.status, 0);
        QCOMPARE(QString::fromUtf8(run.out),
                 Q(BuildOilBudgetTable(*byHand, InitialBudgetTableChoices(*byHand)).Text()));
    }
};

ORMIX_APP_TEST(WholeScenarioTest)

}  // namespace ormix::app::testing

#include "whole_scenario_test.moc"
