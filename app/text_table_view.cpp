#include "app/text_table_view.h"

#include <QFontMetrics>
#include <QPainter>
#include <QScrollBar>
#include <cmath>

namespace ormix::app {

namespace {

constexpr int kMargin = 8;
const QString kNotAvailable = QStringLiteral("N/A");

// Where the text after a tab begins: the next stop that leaves at least a
// blank's width after the text before it, so that two facts on a line
// never run together.
qreal NextStop(const QFontMetricsF& metrics, qreal x, qreal tabStop) {
    return std::ceil((x + metrics.horizontalAdvance(QLatin1Char(' '))) / tabStop) * tabStop;
}

}  // namespace

qreal TableLineWidth(const QFontMetricsF& metrics, const QString& line, qreal tabStop) {
    const QStringList parts = line.split(QLatin1Char('\t'));
    qreal x = 0;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        x += metrics.horizontalAdvance(parts[i]);
        if (i + 1 < parts.size()) x = NextStop(metrics, x, tabStop);
    }
    return x;
}

void DrawTableLine(QPainter& painter, const QFontMetricsF& metrics, const QPointF& origin,
                   const QString& line, qreal tabStop) {
    qreal x = 0;
    const QStringList parts = line.split(QLatin1Char('\t'));
    for (qsizetype i = 0; i < parts.size(); ++i) {
        painter.drawText(QPointF(origin.x() + x, origin.y()), parts[i]);
        x += metrics.horizontalAdvance(parts[i]);
        if (i + 1 < parts.size()) x = NextStop(metrics, x, tabStop);
    }
}

QFont TableFont() {
    QFont font(QStringLiteral("Courier New"), 10);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

TextTableView::TextTableView(QWidget* parent) : QAbstractScrollArea(parent) {
    setFont(TableFont());
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
}

void TextTableView::SetText(const QString& text) {
    text_ = text;
    lines_ = text == kNotAvailable ? QStringList() : text.split(QLatin1Char('\n'));
    while (!lines_.isEmpty() && lines_.back().isEmpty())
        lines_.pop_back();
    UpdateScrollBars();
    viewport()->update();
}

QSize TextTableView::Extent() const {
    QFontMetricsF metrics(font());
    qreal width = 0;
    for (const QString& line : lines_)
        width = std::max(width, TableLineWidth(metrics, line));
    return QSize(static_cast<int>(std::ceil(width)) + 2 * kMargin,
                 static_cast<int>(std::ceil(lines_.size() * metrics.lineSpacing())) + 2 * kMargin);
}

QSize TextTableView::sizeHint() const {
    QSize extent = Extent();
    return QSize(std::min(extent.width() + 24, 900), std::min(extent.height() + 24, 700));
}

void TextTableView::UpdateScrollBars() {
    const QSize extent = Extent();
    const QSize view = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, extent.width() - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    verticalScrollBar()->setRange(0, std::max(0, extent.height() - view.height()));
    verticalScrollBar()->setPageStep(view.height());
    verticalScrollBar()->setSingleStep(QFontMetrics(font()).lineSpacing());
}

void TextTableView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void TextTableView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::Text));
    if (lines_.isEmpty()) {
        painter.drawText(viewport()->rect(), Qt::AlignCenter, kNotAvailable);
        return;
    }
    QFontMetricsF metrics(font());
    const qreal spacing = metrics.lineSpacing();
    const qreal left = kMargin - horizontalScrollBar()->value();
    qreal top = kMargin - verticalScrollBar()->value() + metrics.ascent();
    for (const QString& line : lines_) {
        if (top + spacing >= 0 && top - spacing <= viewport()->height())
            DrawTableLine(painter, metrics, QPointF(left, top), line);
        top += spacing;
    }
}

}  // namespace ormix::app
