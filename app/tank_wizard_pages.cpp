#include "app/tank_wizard_pages.h"

#include <QButtonGroup>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QWizardPage>

#include "app/day_hour_entry.h"
#include "app/dialog_support.h"
#include "app/plot_printing.h"
#include "app/tank_picture.h"
#include "app/tank_plots.h"
#include "scenario/tank_release.h"

namespace ormix::app {

class LeakingTankWizard::Page : public QWizardPage {
public:
    Page(LeakingTankWizard& wizard, int step) : wizard_(wizard), step_(step) {
        setTitle(QString::fromUtf8(kTankPageTitles[step - 1]));
    }
    bool validatePage() override { return wizard_.Check(step_, true); }
    void initializePage() override { wizard_.Preview(step_); }
    TankPicture* picture = nullptr;

private:
    LeakingTankWizard& wizard_;
    int step_;
};

namespace {

// A choice between two ways of giving a value, each with its own fields.
QRadioButton* Way(const QString& text, bool checked) {
    auto* b = new QRadioButton(text);
    b->setChecked(checked);
    return b;
}

QLabel* Wrapped(const QString& text) {
    auto* l = new QLabel(text);
    l->setWordWrap(true);
    return l;
}

// Two exclusive ways of giving a value; only the chosen way's fields are
// enabled.
void FollowChoice(QRadioButton* first, QRadioButton* second,
                  std::initializer_list<QWidget*> firstFields,
                  std::initializer_list<QWidget*> secondFields) {
    auto* group = new QButtonGroup(first);
    group->addButton(first);
    group->addButton(second);
    if (!first->isChecked() && !second->isChecked()) first->setChecked(true);
    std::vector<QWidget*> a(firstFields), b(secondFields);
    auto follow = [first, a, b] {
        for (QWidget* w : a)
            w->setEnabled(first->isChecked());
        for (QWidget* w : b)
            w->setEnabled(!first->isChecked());
    };
    QObject::connect(first, &QRadioButton::toggled, first, follow);
    follow();
}

}  // namespace

LeakingTankWizard::LeakingTankWizard(CSpillDoc& doc, AppContext& context, QWidget* parent)
    : QWizard(parent),
      doc_(doc),
      context_(context),
      tank_(doc.inputTank),
      release_(std::make_unique<TankRelease>()) {
    setWindowTitle(QString::fromUtf8(kTankWizardTitle));
    setWizardStyle(QWizard::ClassicStyle);
    setOption(QWizard::HaveHelpButton);
    setOption(QWizard::HaveCustomButton1);
    setButtonText(QWizard::CustomButton1, tr("&Print..."));
    const TankWizardEntries e = TankWizardEntriesOf(doc);
    const TankPageValues& p = e.page;

    // Step 1: the tank's size.
    length = NumberEdit(NumberText(e.size.length));
    width = NumberEdit(NumberText(e.size.width));
    height = NumberEdit(NumberText(e.size.height));
    sizeUnit = ChoiceBox({"meters", "feet"}, e.size.unit);
    auto* step1 = new QWidget;
    auto* form1 = new QFormLayout(step1);
    form1->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form1->addRow(Wrapped(tr("Give the inside dimensions of the tank.")));
    form1->addRow(BuddyLabel(tr("&Length"), length), length);
    form1->addRow(BuddyLabel(tr("&Width"), width), width);
    form1->addRow(BuddyLabel(tr("H&eight"), height), height);
    form1->addRow(BuddyLabel(tr("&Unit"), sizeUnit), sizeUnit);
    AddPage(1, step1);

    // Step 2: the amount of oil in the tank.
    byAmount = Way(tr("&Amount of Liquid"), p.amountChoice == 0);
    byPercent = Way(tr("&Tank is"), p.amountChoice == 1);
    amount = NumberEdit(NumberText(p.amount));
    amountUnit = ChoiceBox({"bbl", "gal", "cu m", "cu feet"}, p.amountUnit);
    percentFull = NumberEdit(NumberText(p.percentFull));
    auto* step2 = new QWidget;
    auto* form2 = new QFormLayout(step2);
    form2->addRow(Wrapped(tr("How much oil is in the tank?")));
    form2->addRow(byAmount, Row({amount, amountUnit}));
    form2->addRow(byPercent, Row({percentFull}, tr("% full by volume.")));
    FollowChoice(byAmount, byPercent, {amount, amountUnit}, {percentFull});
    AddPage(2, step2);

    // Step 3: the opening, its size in one unit whichever its shape.
    circular = Way(tr("&Circular Opening"), p.openingChoice == 0);
    rectangular = Way(tr("&Rectangular Opening"), p.openingChoice == 1);
    diameter = NumberEdit(NumberText(p.diameter));
    rectLength = NumberEdit(NumberText(p.rectLength));
    rectHeight = NumberEdit(NumberText(p.rectHeight));
    openingUnit = ChoiceBox({"meters", "cm", "feet", "inches"},
                            p.openingChoice == 1 ? p.rectUnit : p.diameterUnit);
    auto* step3 = new QWidget;
    auto* form3 = new QFormLayout(step3);
    form3->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form3->addRow(BuddyLabel(tr("&Unit"), openingUnit), openingUnit);
    form3->addRow(circular);
    form3->addRow(BuddyLabel(tr("&Diameter"), diameter), diameter);
    form3->addRow(rectangular);
    form3->addRow(BuddyLabel(tr("&Length"), rectLength), rectLength);
    form3->addRow(BuddyLabel(tr("H&eight"), rectHeight), rectHeight);
    FollowChoice(circular, rectangular, {diameter}, {rectLength, rectHeight});
    AddPage(3, step3);

    // Steps 4 and 5: the height of the opening and of the water outside.
    auto heightPage = [this](int step, const QString& question, int choice, double value, int unit,
                             double percent, const QString& percentText, QRadioButton*& byHeight,
                             QRadioButton*& byPercent_, QLineEdit*& heightEdit, QComboBox*& unitBox,
                             QLineEdit*& percentEdit) {
        byHeight = Way(tr("A h&eight of"), choice == 0);
        byPercent_ = Way(tr("&At"), choice == 1);
        heightEdit = NumberEdit(NumberText(value));
        unitBox = ChoiceBox({"meters", "feet"}, unit);
        percentEdit = NumberEdit(NumberText(percent));
        auto* w = new QWidget;
        auto* form = new QFormLayout(w);
        form->addRow(Wrapped(question));
        form->addRow(byHeight, Row({heightEdit, unitBox}, tr("above the bottom of the tank")));
        form->addRow(byPercent_, Row({percentEdit}, percentText));
        FollowChoice(byHeight, byPercent_, {heightEdit, unitBox}, {percentEdit});
        AddPage(step, w);
    };
    heightPage(4, tr("The bottom of the leak is:"), p.leakChoice, p.leakHeight, p.leakHeightUnit,
               p.leakPercent, tr("% of the way to the top of the tank"), leakByHeight,
               leakByPercent, leakHeight, leakHeightUnit, leakPercent);
    heightPage(5, tr("The water level is:"), p.waterChoice, p.waterHeight, p.waterHeightUnit,
               p.waterPercent, tr("% of the way to the top of the tank"), waterByHeight,
               waterByPercent, waterHeight, waterHeightUnit, waterPercent);

    // Step 6: when the tank starts leaking.
    when = new DayHourEntry;
    when->SetValue({e.time.month, e.time.day, e.time.hour});
    auto* step6 = new QWidget;
    auto* form6 = new QFormLayout(step6);
    form6->addRow(BuddyLabel(tr("&Time of Release"), when), when);
    auto* caveats =
        new QLabel(QStringLiteral("<b>%1</b><br>%2<br>%3")
                       .arg(QString::fromUtf8(kTankCaveats[0]), QString::fromUtf8(kTankCaveats[1]),
                            QString::fromUtf8(kTankCaveats[2])));
    caveats->setWordWrap(true);
    form6->addRow(caveats);
    AddPage(6, step6);

    // Step 7: the release.
    plotUnit = ChoiceBox({"bbl", "gal", "cu m", "tons", "metric tons"}, p.plotUnit);
    total = new QLabel;
    duration = new QLabel;
    releasedPlot = new QChartView;
    levelsPlot = new QChartView;
    for (QChartView* v : {releasedPlot, levelsPlot}) {
        v->setRenderHint(QPainter::Antialiasing);
        v->setMinimumSize(340, 260);
    }
    auto* step7 = new QWidget;
    auto* layout7 = new QVBoxLayout(step7);
    layout7->addWidget(total);
    layout7->addWidget(duration);
    layout7->addWidget(Row({BuddyLabel(tr("Plot the release &in"), plotUnit), plotUnit}));
    auto* plots = new QHBoxLayout;
    plots->addWidget(releasedPlot);
    plots->addWidget(levelsPlot);
    layout7->addLayout(plots, 1);
    Page* last = AddPage(7, step7);
    last->setFinalPage(true);
    connect(plotUnit, &QComboBox::currentIndexChanged, this, &LeakingTankWizard::ShowRelease);

    before_.assign(8, tank_);
    connect(this, &QWizard::helpRequested, this,
            [this] { context_.help.ShowTopic(QStringLiteral("Leaking_Tank.html")); });
    connect(this, &QWizard::currentIdChanged, this,
            [this](int id) { button(QWizard::CustomButton1)->setVisible(id == 6); });
    connect(this, &QWizard::customButtonClicked, this, [this] {
        QPrinter printer(QPrinter::HighResolution);
        PrintOrTell(context_.prompts, this, printer, PrintedPages());
    });
    button(QWizard::CustomButton1)->setVisible(false);
    setMinimumSize(820, 520);
}

LeakingTankWizard::~LeakingTankWizard() = default;

LeakingTankWizard::Page* LeakingTankWizard::AddPage(int step, QWidget* entries) {
    auto* page = new Page(*this, step);
    auto* row = new QHBoxLayout(page);
    row->addWidget(entries, 1);
    if (step <= 5) {
        page->picture = new TankPicture(static_cast<TankPicture::Part>(step - 1));
        row->addWidget(page->picture);
        // The picture follows what is typed on the page.
        for (QLineEdit* e : entries->findChildren<QLineEdit*>())
            connect(e, &QLineEdit::textChanged, this, [this, step] { Preview(step); });
        for (QComboBox* c : entries->findChildren<QComboBox*>())
            connect(c, &QComboBox::currentIndexChanged, this, [this, step] { Preview(step); });
        for (QRadioButton* r : entries->findChildren<QRadioButton*>())
            connect(r, &QRadioButton::toggled, this, [this, step] { Preview(step); });
    }
    addPage(page);
    pages_.push_back(page);
    return page;
}

TankWizardEntries LeakingTankWizard::Entries() const {
    TankWizardEntries e;
    e.size = {TypedNumber(length), TypedNumber(width), TypedNumber(height),
              sizeUnit->currentIndex()};
    TankPageValues& p = e.page;
    p = doc_.tankPages;
    p.amountChoice = byAmount->isChecked() ? 0 : 1;
    p.amount = TypedNumber(amount);
    p.amountUnit = amountUnit->currentIndex();
    p.percentFull = TypedNumber(percentFull);
    p.openingChoice = circular->isChecked() ? 0 : 1;
    p.diameter = TypedNumber(diameter);
    p.diameterUnit = p.rectUnit = openingUnit->currentIndex();
    p.rectLength = TypedNumber(rectLength);
    p.rectHeight = TypedNumber(rectHeight);
    p.leakChoice = leakByHeight->isChecked() ? 0 : 1;
    p.leakHeight = TypedNumber(leakHeight);
    p.leakHeightUnit = leakHeightUnit->currentIndex();
    p.leakPercent = TypedNumber(leakPercent);
    p.waterChoice = waterByHeight->isChecked() ? 0 : 1;
    p.waterHeight = TypedNumber(waterHeight);
    p.waterHeightUnit = waterHeightUnit->currentIndex();
    p.waterPercent = TypedNumber(waterPercent);
    p.plotUnit = plotUnit->currentIndex();
    DayAndHour d = when->Value();
    e.time = {d.month, d.day, d.hour};
    return e;
}

bool LeakingTankWizard::Check(int step, bool tell) {
    const TankWizardEntries e = Entries();
    InputTank tank = before_[static_cast<size_t>(step)];
    PageCheck check;
    switch (step) {
        case 1:
            check = TankStep1(e.size, tank);
            break;
        case 2:
            check = TankStep2(e.page, tank);
            break;
        case 3:
            check = TankStep3(e.page, tank);
            break;
        case 4:
            check = TankStep4(e.page, tank);
            break;
        case 5:
            check = TankStep5(e.page, tank);
            break;
        case 6:
            check = TankStep6(e.time, tank);
            break;
        default: {
            if (!tell) return true;
            PromptSink sink(context_.prompts, this);
            DialogResult r = TankWizardOK(doc_, e);
            ShowMessages(r, sink);
            return r.accepted;
        }
    }
    if (!check.accepted) {
        if (tell)
            context_.prompts.Tell(this, MessageKind::Error, QString::fromStdString(check.message));
        return false;
    }
    if (!tell) return true;
    tank_ = tank;
    before_[static_cast<size_t>(step + 1)] = tank_;
    if (step == 6) {
        // The release is computed now, for Step 7; its messages (oil that
        // sinks, an opening above the oil) are shown on the way.
        PromptSink sink(context_.prompts, this);
        TankPageValues page = e.page;
        ComputeScenarioTank(doc_, tank_, page, *release_, sink);
        ShowRelease();
    }
    return true;
}

void LeakingTankWizard::Preview(int step) {
    if (step < 1 || step > 5) return;
    Page* page = pages_[static_cast<size_t>(step - 1)];
    if (!page->picture) return;
    // What the step would store, when it accepts the entries so far.
    InputTank tank = before_[static_cast<size_t>(step)];
    const TankWizardEntries e = Entries();
    PageCheck c;
    switch (step) {
        case 1:
            c = TankStep1(e.size, tank);
            break;
        case 2:
            c = TankStep2(e.page, tank);
            break;
        case 3:
            c = TankStep3(e.page, tank);
            break;
        case 4:
            c = TankStep4(e.page, tank);
            break;
        default:
            c = TankStep5(e.page, tank);
            break;
    }
    page->picture->Show(c.accepted ? tank : before_[static_cast<size_t>(step)]);
}

void LeakingTankWizard::ShowRelease() {
    const TankRelease& r = *release_;
    total->setText(QString::fromStdString(TankTotalText(r.total)));
    duration->setText(QString::fromStdString(TankDurationText(r.duration)));
    const TankCurves curves =
        BuildTankCurves(r.tank, plotUnit->currentIndex(), r.oilDensity, tank_.tUnits);
    for (QChartView* v : {releasedPlot, levelsPlot}) {
        QChart* old = v->chart();
        v->setChart(v == releasedPlot ? TankReleasedChart(curves) : TankLevelsChart(curves));
        delete old;
    }
}

std::vector<PrintedPage> LeakingTankWizard::PrintedPages() const {
    const TankRelease& r = *release_;
    const TankCurves curves =
        BuildTankCurves(r.tank, plotUnit->currentIndex(), r.oilDensity, tank_.tUnits);
    const QString title = QString::fromUtf8(kTankPrintTitle);
    const QStringList lines = {QString::fromStdString(TankTotalText(r.total)),
                               QString::fromStdString(TankDurationText(r.duration))};
    return {{title, lines, [curves] { return TankReleasedChart(curves); }},
            {title, lines, [curves] { return TankLevelsChart(curves); }}};
}

}  // namespace ormix::app
