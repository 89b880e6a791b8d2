// The text of a table drawn as the tables are laid out: line by line in a
// 10-point fixed-pitch font, tabs to stops every 20 units, scrolled when
// larger than the window; "N/A" centred when there is nothing to show.
#pragma once

#include <QAbstractScrollArea>
#include <QFontMetricsF>
#include <QStringList>

class QPainter;

namespace ormix::app {

class TextTableView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TextTableView(QWidget* parent = nullptr);

    void SetText(const QString& text);
    QString Text() const { return text_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void UpdateScrollBars();
    QSize Extent() const;

    QString text_;
    QStringList lines_;
};

// The font the tables are drawn in.
QFont TableFont();

// The tab stops of the tables on the screen, in pixels.
inline constexpr qreal kTableTabStop = 20;

// A line of a table's text as it is drawn, each tab moving on to the next
// stop (`tabStop` apart) that leaves at least a blank after the text before
// it: its width, and the line drawn from `origin` (its base line).
qreal TableLineWidth(const QFontMetricsF& metrics, const QString& line,
                     qreal tabStop = kTableTabStop);
void DrawTableLine(QPainter& painter, const QFontMetricsF& metrics, const QPointF& origin,
                   const QString& line, qreal tabStop = kTableTabStop);

}  // namespace ormix::app
