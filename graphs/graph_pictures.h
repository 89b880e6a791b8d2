// Graphs as pictures: an image for the clipboard, PNG, SVG and PDF files for
// briefings and reports, and a chart drawn into any painter (a printed page).
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>
#include <optional>

#include "graphs/graph_chart.h"

class QPainter;

namespace ormix::graphs {

enum class PictureFormat { Png, Svg, Pdf };

// The format a file's extension asks for (.png, .svg or .pdf, in any case).
std::optional<PictureFormat> PictureFormatOf(const QString& path);

// Draws a chart laid out at `layout` (pixels) into `target` of the painter,
// scaled to fit. The chart must not be shown in a window at the time.
void PaintChart(QChart& chart, QPainter& painter, const QRectF& target, const QSizeF& layout);

// The graph on white, `size` pixels; a null image when it has nothing to
// draw.
QImage GraphImage(const GraphSource& source, QSize size);

// The graph's picture file in the format; empty when it has nothing to draw.
QByteArray GraphPictureBytes(const GraphSource& source, QSize size, PictureFormat format);

// Writes the picture to `path` in the format of its extension; a file that
// was there is replaced only by a complete picture. False with the reason:
// the graph's own text when it has nothing to draw, an unknown extension,
// or why the file could not be written.
bool SaveGraphPicture(const GraphSource& source, QSize size, const QString& path, QString& error);

}  // namespace ormix::graphs
