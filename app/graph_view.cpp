#include "app/graph_view.h"

#include <QActionGroup>
#include <QApplication>
#include <QChartView>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QResizeEvent>
#include <QStackedWidget>
#include <QToolTip>
#include <QVBoxLayout>

#include "app/scenario_session.h"
#include "graphs/graph_pictures.h"
#include "output/graph_series.h"
#include "output/graph_units.h"

namespace ormix::app {

namespace {

const QString kPointerHint = QStringLiteral(
    "Point at the graph to read the time and the values; click the right mouse button to "
    "change the unit.");

}  // namespace

// The chart's own view: tells its window where the pointer is and where the
// right mouse button was clicked.
class GraphView::Canvas final : public QChartView {
public:
    explicit Canvas(GraphView& owner) : owner_(owner) {
        setRenderHint(QPainter::Antialiasing);
        setMouseTracking(true);
        setStatusTip(QString::fromLatin1(kGraphUnitsHint));
        setFrameShape(QFrame::NoFrame);
    }

protected:
    void mouseMoveEvent(QMouseEvent* event) override {
        const QString text = owner_.ReadoutAt(event->position().toPoint());
        owner_.readout_->setText(text.isEmpty() ? kPointerHint : text);
        if (!text.isEmpty())
            QToolTip::showText(event->globalPosition().toPoint(), text, this);
        else
            QToolTip::hideText();
        QChartView::mouseMoveEvent(event);
    }
    void leaveEvent(QEvent* event) override {
        owner_.readout_->setText(kPointerHint);
        QChartView::leaveEvent(event);
    }
    void resizeEvent(QResizeEvent* event) override {
        QChartView::resizeEvent(event);
        if (QChart* c = chart()) graphs::FitChartToSize(*c, QSizeF(event->size()));
    }
    void contextMenuEvent(QContextMenuEvent* event) override {
        QChart* c = chart();
        if (owner_.State() == graphs::GraphState::Drawn && c &&
            c->plotArea().contains(c->mapFromScene(mapToScene(event->pos())))) {
            owner_.UnitsMenu()->exec(event->globalPos());
            event->accept();
            return;
        }
        QChartView::contextMenuEvent(event);
    }

private:
    GraphView& owner_;
};

GraphView::GraphView(ScenarioSession& session, WindowKind kind, AppContext& context,
                     QWidget* parent)
    : ScenarioView(session, kind, parent), context_(context) {
    stack_ = new QStackedWidget(this);
    chartView_ = new Canvas(*this);
    message_ = new QLabel(this);
    message_->setAlignment(Qt::AlignCenter);
    message_->setAutoFillBackground(true);
    message_->setBackgroundRole(QPalette::Base);
    stack_->addWidget(chartView_);
    stack_->addWidget(message_);
    readout_ = new QLabel(kPointerHint, this);
    readout_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    readout_->setContentsMargins(6, 2, 6, 2);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(stack_, 1);
    layout->addWidget(readout_);
    setMinimumSize(200, 160);  // eleven of them fit the area side by side
    setFocusPolicy(Qt::StrongFocus);
    Refresh();
}

GraphView::~GraphView() {
    delete chartView_->chart();
}

QChartView* GraphView::ChartView() const {
    return chartView_;
}

QChart* GraphView::Chart() const {
    return state_ == graphs::GraphState::Drawn ? chartView_->chart() : nullptr;
}

void GraphView::Refresh() {
    source_ = graphs::GraphSourceOf(Session().Doc(), GraphKind());
    graphs::GraphChart g = graphs::BuildGraphChart(source_);
    state_ = g.state;
    ++draws_;
    QChart* old = chartView_->chart();
    if (g.chart) {
        graphs::FitChartToSize(*g.chart, QSizeF(chartView_->size()));
        chartView_->setChart(g.chart.release());
        delete old;
        stack_->setCurrentWidget(chartView_);
    } else {
        message_->setText(state_ == graphs::GraphState::NotAvailable
                              ? graphs::GraphStateText(state_)
                              : QString());
        stack_->setCurrentWidget(message_);
    }
    readout_->setText(kPointerHint);
    // Nothing is drawn of data that cannot be laid out; the person is told.
    if (state_ == graphs::GraphState::CannotDisplay)
        context_.prompts.Tell(this, MessageKind::Error, graphs::GraphStateText(state_));
}

QMenu* GraphView::UnitsMenu() {
    if (!units_) {
        units_ = new QMenu(this);
        units_->setTitle(QStringLiteral("Units"));
        auto* group = new QActionGroup(units_);
        for (int unit = 0; unit <= 6; ++unit) {
            const char* label = GraphUnitLabel(GraphKind(), unit);
            if (!*label) continue;
            QAction* a = units_->addAction(QString::fromLatin1(label));
            a->setData(unit);
            a->setCheckable(true);
            group->addAction(a);
            connect(a, &QAction::triggered, this, [this, unit] { ChooseUnit(unit); });
        }
    }
    for (QAction* a : units_->actions())
        a->setChecked(a->data().toInt() == source_.unit);
    return units_;
}

bool GraphView::ChooseUnit(int unit) {
    if (!ChooseGraphUnit(Session().Doc(), GraphKind(), unit)) return false;
    Refresh();
    return true;
}

QString GraphView::ReadoutAt(const QPoint& pos) const {
    QChart* c = Chart();
    if (!c || c->series().isEmpty()) return {};
    const QPointF inChart = c->mapFromScene(chartView_->mapToScene(pos));
    if (!c->plotArea().contains(inChart)) return {};
    const QPointF value = c->mapToValue(inChart, c->series().first());
    const int step = NearestStep(source_.series, value.x());
    return QString::fromStdString(GraphReadout(source_.series, GraphKind(), step, source_.release));
}

bool GraphView::CopyToClipboard() {
    const QImage image = graphs::GraphImage(source_, GraphPictureSize());
    if (image.isNull()) return false;
    QApplication::clipboard()->setImage(image);
    return true;
}

std::vector<PrintedPage> GraphView::PrintedPages() const {
    PrintedPage page;
    page.title = QString::fromStdString(GraphPrintTitle(GraphKind()));
    page.lines = PageLines();
    if (state_ == graphs::GraphState::Drawn) {
        const graphs::GraphSource source = source_;
        page.chart = [source] { return graphs::BuildGraphChart(source).chart.release(); };
    } else {
        page.lines << QString() << graphs::GraphStateText(state_);
    }
    return {page};
}

QString GraphView::ExportTitle() const {
    return QStringLiteral("Export Graph");
}

QString GraphView::ExportFilter() const {
    return QStringLiteral("PNG Picture (*.png);;SVG Drawing (*.svg);;PDF Document (*.pdf)");
}

QString GraphView::ExportName() const {
    return ExportBaseName() + QStringLiteral(".png");
}

bool GraphView::ExportTo(const QString& path, QString& error) {
    return graphs::SaveGraphPicture(source_, GraphPictureSize(), path, error);
}

QSize GraphPictureSize() {
    return QSize(kGraphPictureWidth, kGraphPictureHeight);
}

}  // namespace ormix::app
