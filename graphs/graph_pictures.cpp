#include "graphs/graph_pictures.h"

#include <QBuffer>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "core/file_replace.h"

namespace ormix::graphs {

namespace {

constexpr int kScreenDpi = 96;

}  // namespace

std::optional<PictureFormat> PictureFormatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png")) return PictureFormat::Png;
    if (suffix == QLatin1String("svg")) return PictureFormat::Svg;
    if (suffix == QLatin1String("pdf")) return PictureFormat::Pdf;
    return std::nullopt;
}

void PaintChart(QChart& chart, QPainter& painter, const QRectF& target, const QSizeF& layout) {
    QGraphicsScene scene;
    scene.addItem(&chart);
    chart.resize(layout);
    FitChartToSize(chart, layout);
    scene.setSceneRect(QRectF(QPointF(0, 0), layout));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    scene.render(&painter, target, QRectF(QPointF(0, 0), layout), Qt::KeepAspectRatio);
    painter.restore();
    // The chart stays its owner's.
    scene.removeItem(&chart);
}

QImage GraphImage(const GraphSource& source, QSize size) {
    GraphChart g = BuildGraphChart(source);
    if (!g.chart) return {};
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintChart(*g.chart, painter, QRectF(QPointF(0, 0), QSizeF(size)), QSizeF(size));
    painter.end();
    return image;
}

QByteArray GraphPictureBytes(const GraphSource& source, QSize size, PictureFormat format) {
    QByteArray bytes;
    if (format == PictureFormat::Png) {
        const QImage image = GraphImage(source, size);
        if (image.isNull()) return {};
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return bytes;
    }
    GraphChart g = BuildGraphChart(source);
    if (!g.chart) return {};
    const QString title = QString::fromStdString(source.series.title);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QRectF target(QPointF(0, 0), QSizeF(size));
    if (format == PictureFormat::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setResolution(kScreenDpi);
        svg.setTitle(title);
        QPainter painter(&svg);
        painter.fillRect(target, Qt::white);
        PaintChart(*g.chart, painter, target, QSizeF(size));
        painter.end();
    } else {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(kScreenDpi);
        pdf.setPageSize(QPageSize(QSizeF(size) * 72.0 / kScreenDpi, QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("ORMIX"));
        QPainter painter(&pdf);
        PaintChart(*g.chart, painter, target, QSizeF(size));
        painter.end();
    }
    return bytes;
}

bool SaveGraphPicture(const GraphSource& source, QSize size, const QString& path, QString& error) {
    const auto format = PictureFormatOf(path);
    if (!format) {
        error = QStringLiteral("%1: a picture is saved as .png, .svg or .pdf").arg(path);
        return false;
    }
    const GraphState state = BuildGraphChart(source).state;
    if (state != GraphState::Drawn) {
        error = GraphStateText(state);
        return false;
    }
    const QByteArray bytes = GraphPictureBytes(source, size, *format);
    std::string why;
    if (bytes.isEmpty() ||
        !ReplaceFile(path.toStdString(), std::string_view(bytes.constData(), bytes.size()), why)) {
        error = QStringLiteral("Cannot write %1: %2")
                    .arg(path, bytes.isEmpty() ? QStringLiteral("the picture could not be drawn")
                                               : QString::fromStdString(why));
        return false;
    }
    return true;
}

}  // namespace ormix::graphs
