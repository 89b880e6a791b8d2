#include "app/plot_printing.h"

#include <QChart>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>
#include <cmath>
#include <memory>

#include "app/text_table_view.h"
#include "app/user_prompts.h"
#include "graphs/graph_pictures.h"

namespace ormix::app {

namespace {

constexpr double kScreenDpi = 96;

struct Fonts {
    QFont title, text;
};

double TitleHeight(QPrinter& printer, const Fonts& fonts) {
    return QFontMetricsF(fonts.title, &printer).height() * 1.6;
}

double TextLineHeight(QPrinter& printer, const Fonts& fonts) {
    return QFontMetricsF(fonts.text, &printer).height() * 1.2;
}

// Where the rest of a page begins below its title and lines.
double HeadingBottom(QPrinter& printer, const QRectF& frame, const PrintedPage& page,
                     const Fonts& fonts) {
    return frame.top() + TitleHeight(printer, fonts) +
           TextLineHeight(printer, fonts) * (page.lines.size() + 0.5);
}

void DrawHeading(QPainter& painter, QPrinter& printer, const QRectF& frame, const PrintedPage& page,
                 const Fonts& fonts) {
    painter.setFont(fonts.title);
    const QRectF titleBox(frame.left(), frame.top(), frame.width(), TitleHeight(printer, fonts));
    painter.drawText(titleBox, Qt::AlignHCenter | Qt::AlignTop, page.title);
    painter.setFont(fonts.text);
    const double lineHeight = TextLineHeight(printer, fonts);
    double y = titleBox.bottom();
    for (const QString& line : page.lines) {
        painter.drawText(QRectF(frame.left(), y, frame.width(), lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, line);
        y += lineHeight;
    }
}

void DrawChart(QPainter& painter, QPrinter& printer, QRectF target, const PrintedPage& page) {
    std::unique_ptr<QChart> chart(page.chart());
    if (!chart || target.width() <= 0 || target.height() <= 0) return;
    // The chart is laid out at the page's size in screen pixels and drawn
    // onto it, so that its fonts and lines have their screen sizes in
    // inches; on an upright page it is kept no higher than wide.
    if (target.height() > target.width()) target.setHeight(target.width());
    const double scale = printer.resolution() / kScreenDpi;
    const QSizeF layout(target.width() / scale, target.height() / scale);
    graphs::PaintChart(*chart, painter, target, layout);
}

// The table's lines on as many pages as they take, in the tables' font made
// smaller when the widest line would not fit across the page.
bool DrawTable(QPainter& painter, QPrinter& printer, const QRectF& frame, const PrintedPage& page,
               const Fonts& fonts, bool& first) {
    QStringList lines = page.table.split(QLatin1Char('\n'));
    while (!lines.isEmpty() && lines.back().isEmpty())
        lines.pop_back();
    QFont font = TableFont();
    const double tabStop = kTableTabStop * printer.resolution() / kScreenDpi;
    double widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, TableLineWidth(QFontMetricsF(font, &printer), line, tabStop));
    if (widest > frame.width())
        font.setPointSizeF(std::max(5.0, font.pointSizeF() * frame.width() / widest));
    const QFontMetricsF metrics(font, &printer);
    const double footer = QFontMetricsF(fonts.text, &printer).height() * 1.5;

    // How many lines a page takes below its heading.
    const double top = HeadingBottom(printer, frame, page, fonts);
    const int perPage = std::max(
        1, static_cast<int>(std::floor((frame.bottom() - footer - top) / metrics.lineSpacing())));
    const int pageCount =
        std::max<int>(1, (static_cast<int>(lines.size()) + perPage - 1) / perPage);
    for (int n = 0; n < pageCount; ++n) {
        if (!first && !printer.newPage()) return false;
        first = false;
        DrawHeading(painter, printer, frame, page, fonts);
        painter.setFont(font);
        double y = top + metrics.ascent();
        for (int i = n * perPage; i < std::min<int>((n + 1) * perPage, lines.size()); ++i) {
            DrawTableLine(painter, metrics, QPointF(frame.left(), y), lines[i], tabStop);
            y += metrics.lineSpacing();
        }
        if (pageCount > 1) {
            painter.setFont(fonts.text);
            painter.drawText(QRectF(frame.left(), frame.bottom() - footer, frame.width(), footer),
                             Qt::AlignHCenter | Qt::AlignBottom,
                             QStringLiteral("Page %1 of %2").arg(n + 1).arg(pageCount));
        }
    }
    return true;
}

}  // namespace

bool PrintPages(QPrinter& printer, const std::vector<PrintedPage>& pages) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    Fonts fonts;
    fonts.title = painter.font();
    fonts.title.setPointSizeF(16);
    fonts.title.setBold(true);
    fonts.text = fonts.title;
    fonts.text.setPointSizeF(10);
    fonts.text.setBold(false);
    bool first = true;
    for (const PrintedPage& page : pages) {
        const QRectF area = printer.pageLayout().paintRectPixels(printer.resolution());
        const QRectF frame(0, 0, area.width(), area.height());
        if (!page.table.isEmpty()) {
            if (!DrawTable(painter, printer, frame, page, fonts, first)) return false;
            continue;
        }
        if (!first && !printer.newPage()) return false;
        first = false;
        DrawHeading(painter, printer, frame, page, fonts);
        const double y = HeadingBottom(printer, frame, page, fonts);
        if (page.chart)
            DrawChart(painter, printer, QRectF(frame.left(), y, frame.width(), frame.bottom() - y),
                      page);
    }
    return painter.end();
}

bool PrintAsked(UserPrompts& prompts, QWidget* parent, QPrinter& printer,
                const std::vector<PrintedPage>& pages) {
    if (!prompts.ChoosePrinter(parent, printer, false)) return true;
    return PrintPages(printer, pages);
}

void PreviewPages(UserPrompts& prompts, QWidget* parent, QPrinter& printer,
                  const std::vector<PrintedPage>& pages) {
    prompts.PreviewPrint(parent, printer, [pages](QPrinter* p) { PrintPages(*p, pages); });
}

bool PrintOrTell(UserPrompts& prompts, QWidget* parent, QPrinter& printer,
                 const std::vector<PrintedPage>& pages) {
    if (PrintAsked(prompts, parent, printer, pages)) return true;
    prompts.Tell(parent, MessageKind::Error,
                 QStringLiteral("The pages could not be printed: the printer or the "
                                "file chosen cannot be used."));
    return false;
}

}  // namespace ormix::app
