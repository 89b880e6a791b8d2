#include "app/smoke_plume_dialog.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPrinter>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "app/plot_printing.h"
#include "scenario/burn_plume.h"

namespace ormix::app {

QChart* SmokePlumeChart(const PlumeResult& r) {
    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("%1<br><small>%2</small>")
                        .arg(QString::fromUtf8(r.title), QString::fromUtf8(r.subtitle)));
    auto* x = new QValueAxis;
    x->setTitleText(QString::fromUtf8(kPlumeDistanceAxis));
    auto* y = new QValueAxis;
    y->setTitleText(QString::fromUtf8(kPlumeHeightAxis));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    const QColor colours[2] = {QColor(40, 90, 200), QColor(200, 80, 30)};
    double far = 1, high = 1;
    for (int s = 0; s < 2; ++s) {
        const PlumeEnvelope& e = r.envelope[s];
        // Each envelope is the band between its lower and upper heights.
        auto* upper = new QLineSeries(chart);
        auto* lower = new QLineSeries(chart);
        for (int i = 0; i < r.pointCount && i < kPlumePoints; ++i) {
            if (e.x[i] == NoData) continue;
            upper->append(e.x[i], e.upper[i]);
            lower->append(e.x[i], e.lower[i]);
            far = std::max(far, e.x[i]);
            high = std::max(high, e.upper[i]);
        }
        auto* band = new QAreaSeries(upper, lower);
        band->setName(QString::fromUtf8(kPlumeLegend[s]));
        QColor fill = colours[s];
        fill.setAlpha(70);
        band->setColor(fill);
        band->setBorderColor(colours[s]);
        chart->addSeries(band);
        band->attachAxis(x);
        band->attachAxis(y);
    }
    x->setLabelFormat(QStringLiteral("%g"));
    y->setLabelFormat(QStringLiteral("%g"));
    x->setRange(0, far);
    x->applyNiceNumbers();
    y->setRange(0, high);
    y->applyNiceNumbers();
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

SmokePlumeDialog::SmokePlumeDialog(CSpillDoc& doc, AppContext& context, int slot,
                                   const PlumeDialogInput& input, QWidget* parent)
    : InputDialog(doc, context, parent), slot_(slot), input_(input) {
    setWindowTitle(tr("Smoke Plume"));
    const PlumeSlotValues& v = input.slot;
    oilName = new QLabel(QString::fromUtf8(input.oilChosen ? input.oilName : kPlumeDefaultOilName));
    loc = NumberEdit(NumberText(v.loc));
    airTemperature = NumberEdit(NumberText(v.airTemperature));
    airTemperatureUnit = ChoiceBox({"F", "C"}, v.airTemperatureUnit);
    // The wind starts as the scenario's average: shown whole, as typed.
    windSpeed = NumberEdit(v.windSpeed == NoData ? QString() : NumberText(v.windSpeed));
    windUnit = ChoiceBox({"mph", "knots", "m/s"}, v.windUnit);

    auto* inputs = new QWidget;
    auto* form = new QFormLayout(inputs);
    auto* intro = new QLabel(
        tr("How far downwind, and between which heights above the water, the smoke of "
           "this burn stays above a level of concern for soot particles. The burn is taken as "
           "steady and long-lasting; Next works out the plume in neutral and in stable air."));
    intro->setWordWrap(true);
    form->addRow(intro);
    form->addRow(tr("Selected Oil"), oilName);
    form->addRow(BuddyLabel(tr("&Level of Concern for soot particles"), loc),
                 Row({loc}, tr("ugm/m3")));
    form->addRow(BuddyLabel(tr("Air &Temperature"), airTemperature),
                 Row({airTemperature, airTemperatureUnit}));
    form->addRow(BuddyLabel(tr("Average &Wind Speed"), windSpeed), Row({windSpeed, windUnit}));

    report = new QLabel;
    report->setTextInteractionFlags(Qt::TextSelectableByMouse);
    plot = new QChartView;
    plot->setRenderHint(QPainter::Antialiasing);
    plot->setMinimumSize(600, 440);
    auto* results = new QWidget;
    auto* resultLayout = new QVBoxLayout(results);
    resultLayout->addWidget(report);
    resultLayout->addWidget(plot, 1);

    pages_ = new QStackedWidget;
    pages_->addWidget(inputs);
    pages_->addWidget(results);

    back = new QPushButton(tr("< &Back"));
    next = new QPushButton(tr("&Next >"));
    finished = new QPushButton(tr("&Finished"));
    print = new QPushButton(tr("&Print..."));
    auto* cancel = new QPushButton(tr("Cancel"));
    auto* help = new QPushButton(tr("&Help"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(help);
    buttons->addWidget(print);
    buttons->addStretch();
    for (QPushButton* b : {back, next, finished, cancel})
        buttons->addWidget(b);
    connect(finished, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this,
            [this] { Context().help.ShowTopic(QStringLiteral("Smoke_Plume.html")); });
    connect(next, &QPushButton::clicked, this, &SmokePlumeDialog::Next);
    connect(back, &QPushButton::clicked, this, &SmokePlumeDialog::Back);
    connect(print, &QPushButton::clicked, this, [this] {
        QPrinter printer(QPrinter::HighResolution);
        PrintOrTell(Context().prompts, this, printer, PrintedPages());
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addLayout(buttons);
    ShowPage(0);
}

SmokePlumeDialog::~SmokePlumeDialog() = default;

PlumeSlotValues SmokePlumeDialog::Values() const {
    return TypedPlumeValues(S(loc), S(airTemperature), airTemperatureUnit->currentIndex(),
                            S(windSpeed), windUnit->currentIndex());
}

void SmokePlumeDialog::ShowPage(int page) {
    pages_->setCurrentIndex(page);
    back->setEnabled(page == 1);
    next->setEnabled(page == 0);
    print->setEnabled(page == 1);
    next->setDefault(page == 0);
    finished->setDefault(page == 1);
}

bool SmokePlumeDialog::ShowsResult() const {
    return pages_->currentIndex() == 1;
}

bool SmokePlumeDialog::Next() {
    PlumeSlotValues v = Values();
    PageCheck check = CheckPlumeInputs(v);
    if (!check.accepted) {
        Context().prompts.Tell(this, MessageKind::Error, Q(check.message));
        return false;
    }
    input_.slot = v;
    auto result = std::make_unique<PlumeResult>();
    PromptSink sink(Context().prompts, this);
    if (RunSmokePlume(input_, *result, sink) != 0) return false;
    result_ = std::move(result);
    report->setText(ReportLines().join(QLatin1Char('\n')));
    QChart* old = plot->chart();
    plot->setChart(SmokePlumeChart(*result_));
    delete old;
    ShowPage(1);
    return true;
}

void SmokePlumeDialog::Back() {
    ShowPage(0);
}

QStringList SmokePlumeDialog::ReportLines() const {
    QStringList lines;
    if (!result_) return lines;
    for (const std::string& line : PlumeReportLines(input_, *result_))
        lines << Q(line);
    return lines;
}

std::vector<PrintedPage> SmokePlumeDialog::PrintedPages() const {
    if (!result_) return {};
    PlumeResult copy = *result_;
    return {{QString::fromUtf8(kPlumePrintTitle), ReportLines(),
             [copy] { return SmokePlumeChart(copy); }}};
}

bool SmokePlumeDialog::Apply() {
    return Show(KeepPlumeValues(Doc(), slot_, Values()));
}

}  // namespace ormix::app
