#include "app/plot_printing.h"

#include <QChart>
#include <QChartView>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <memory>

namespace ormix::app {

bool PrintPages(QPrinter& printer, const std::vector<PrintedPage>& pages) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    bool first = true;
    for (const PrintedPage& page : pages) {
        if (!first && !printer.newPage()) return false;
        first = false;
        const QRectF area = printer.pageLayout().paintRectPixels(printer.resolution());
        const QRectF frame(0, 0, area.width(), area.height());

        QFont titleFont = painter.font();
        titleFont.setPointSizeF(16);
        titleFont.setBold(true);
        painter.setFont(titleFont);
        QRectF titleBox(frame.left(), frame.top(), frame.width(),
                        QFontMetricsF(titleFont, &printer).height() * 1.6);
        painter.drawText(titleBox, Qt::AlignHCenter | Qt::AlignTop, page.title);

        QFont textFont = titleFont;
        textFont.setPointSizeF(10);
        textFont.setBold(false);
        painter.setFont(textFont);
        const double lineHeight = QFontMetricsF(textFont, &printer).height() * 1.2;
        double y = titleBox.bottom();
        for (const QString& line : page.lines) {
            painter.drawText(QRectF(frame.left(), y, frame.width(), lineHeight),
                             Qt::AlignLeft | Qt::AlignVCenter, line);
            y += lineHeight;
        }
        if (!page.chart) continue;
        // The chart is laid out at screen size and scaled onto the page, so
        // that its fonts and lines keep their proportions.
        QChartView view(page.chart());
        view.setRenderHint(QPainter::Antialiasing);
        QRectF target(frame.left(), y + lineHeight, frame.width(), frame.bottom() - y - lineHeight);
        const double aspect = target.height() / target.width();
        view.resize(1000, static_cast<int>(1000 * aspect));
        view.render(&painter, target);
    }
    return painter.end();
}

void PrintWithDialog(QWidget* parent, const std::vector<PrintedPage>& pages) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return;
    PrintPages(printer, pages);
}

}  // namespace ormix::app
