#include "app/dialog_screenshots.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QTabWidget>

#include "app/burn_rate_dialog.h"
#include "app/custom_oil_dialog.h"
#include "app/custom_oil_sheet.h"
#include "app/input_commands.h"
#include "app/release_kind_dialogs.h"
#include "app/response_sheets.h"
#include "app/short_help_dialog.h"
#include "app/smoke_plume_dialog.h"
#include "app/tank_wizard_pages.h"
#include "app/wind_dialog.h"
#include "app/wind_side_dialogs.h"
#include "oil/oil_fields.h"
#include "scenario/burn_plume.h"

namespace ormix::app {

namespace {

class Shots {
public:
    Shots(const QString& dir) : dir_(dir) { QDir().mkpath(dir); }

    void Take(QWidget* w, const QString& name) {
        w->show();
        QApplication::processEvents();
        const QString file = dir_ + QLatin1Char('/') + name + QStringLiteral(".png");
        if (w->grab().save(file)) written << file;
    }
    // Every page of a dialog's tabs.
    void Tabs(QWidget* w, QTabWidget* tabs, const QString& name) {
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            Take(w, QStringLiteral("%1-%2").arg(name).arg(i + 1));
        }
        tabs->setCurrentIndex(0);
    }
    QStringList written;

private:
    QString dir_;
};

// A tank the set-up pages accept, page by page.
void FillTank(LeakingTankWizard& w) {
    if (w.length->text().isEmpty()) {
        w.length->setText(QStringLiteral("15"));
        w.width->setText(QStringLiteral("10"));
        w.height->setText(QStringLiteral("12"));
        w.byPercent->setChecked(true);
        w.percentFull->setText(QStringLiteral("80"));
        w.diameter->setText(QStringLiteral("30"));
        w.openingUnit->setCurrentIndex(1);
        w.leakHeight->setText(QStringLiteral("2"));
        w.waterHeight->setText(QStringLiteral("1"));
    }
}

// Nobody answers while the pictures are taken: no box may wait for one.
class QuietPrompts final : public UserPrompts {
public:
    void Tell(QWidget*, MessageKind, const QString&) override {}
    Answer AskYesNoCancel(QWidget*, const QString&) override { return Answer::Cancel; }
    bool Confirm(QWidget*, const QString&) override { return false; }
    QString ChooseOpenFile(QWidget*, const QString&, const QString&) override { return {}; }
    QString ChooseSaveFile(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
};

}  // namespace

QStringList RenderDialogScreenshots(const QString& dir, CSpillDoc& doc, AppContext& given) {
    QuietPrompts quiet;
    AppContext context{quiet, given.help};
    Shots shots(dir);
    const DocumentSnapshot keep(doc);
    struct Command {
        InputCommand command;
        const char* name;
    };
    const Command commands[] = {{InputCommand::StandardOils, "standard-oils"},
                                {InputCommand::CustomOils, "custom-oils"},
                                {InputCommand::Emulsification, "emulsification"},
                                {InputCommand::WindWave, "wind"},
                                {InputCommand::Water, "water"},
                                {InputCommand::Release, "release"},
                                {InputCommand::Dispersant, "dispersant"},
                                {InputCommand::InSituBurn, "in-situ-burn"},
                                {InputCommand::Mechanical, "mechanical"},
                                {InputCommand::Beaching, "beaching"}};
    doc.OilLib().Load();
    for (const Command& c : commands) {
        std::unique_ptr<QDialog> d = MakeInputDialog(c.command, doc, context, nullptr);
        const QString name = QString::fromLatin1(c.name);
        if (auto* tabs = d->findChild<QTabWidget*>())
            shots.Tabs(d.get(), tabs, name);
        else
            shots.Take(d.get(), name);
        if (auto* wind = qobject_cast<WindDialog*>(d.get())) {
            (wind->constant->isChecked() ? wind->variable : wind->constant)->setChecked(true);
            shots.Take(d.get(), name + QStringLiteral("-other-mode"));
        }
        d->hide();
    }

    auto single = [&](QDialog* d, const QString& name) {
        std::unique_ptr<QDialog> owned(d);
        shots.Take(d, name);
    };
    single(new InstantaneousDialog(doc, context), QStringLiteral("release-instantaneous"));
    single(new ContinuousDialog(doc, context), QStringLiteral("release-continuous"));
    single(new ContainedDialog(doc, context), QStringLiteral("release-contained"));
    single(new AmountUncertaintyDialog(doc, context), QStringLiteral("release-uncertainty"));
    single(new FetchDialog(doc, context), QStringLiteral("wind-fetch"));
    single(new WindUncertaintyDialog(doc, context), QStringLiteral("wind-uncertainty"));
    single(new BurnRateDialog(doc, context), QStringLiteral("in-situ-burn-advanced"));
    single(ReleaseHelp(context.help, nullptr), QStringLiteral("help-release"));
    single(ContainedHelp(context.help, nullptr), QStringLiteral("help-contained"));
    single(EmulsificationHelp(context.help, nullptr), QStringLiteral("help-emulsification"));
    single(new NewCustomOilDialog(context), QStringLiteral("custom-oil-new"));

    // The custom oil sheet on a copy of the scenario's oil (or a blank one).
    if (doc.OilLib().HasSummaries() && !doc.OilLib().Summaries().empty()) {
        long from = doc.oilPosition >= 0 && !doc.oilFromCustom
                        ? doc.oilPosition
                        : doc.OilLib().Summaries().front().position;
        doc.CustomLib().CopyRecordFrom(doc.OilLib(), from);
    } else {
        doc.CustomLib().ClearFields();
    }
    {
        CustomOilSheet sheet(doc.CustomLib(), -1, context);
        shots.Tabs(&sheet, sheet.tabs, QStringLiteral("custom-oil-sheet"));
    }

    // Every page of the leaking tank set-up, passing each with sample entries.
    {
        LeakingTankWizard wizard(doc, context);
        FillTank(wizard);
        wizard.show();
        for (int page = 1; page <= 7; ++page) {
            shots.Take(&wizard, QStringLiteral("tank-step%1").arg(page));
            if (page < 7) wizard.next();
        }
    }

    // The smoke plume of the first burn: its inputs, then its result.
    {
        BurnPage burn = BurnPagesOf(doc)[0];
        if (burn.area.empty()) {
            burn.area = "500";
            burn.areaUnit = 2;
            burn.thickness = "10";
        }
        SmokePlumeDialog plume(doc, context, 0, PlumeInputForBurn(doc, 0, burn));
        if (plume.loc->text().isEmpty()) {
            plume.loc->setText(QStringLiteral("150"));
            plume.airTemperature->setText(QStringLiteral("70"));
            if (plume.windSpeed->text().isEmpty()) plume.windSpeed->setText(QStringLiteral("10"));
        }
        shots.Take(&plume, QStringLiteral("smoke-plume-1"));
        plume.Next();
        shots.Take(&plume, QStringLiteral("smoke-plume-2"));
    }
    keep.Restore(doc);
    return shots.written;
}

}  // namespace ormix::app
