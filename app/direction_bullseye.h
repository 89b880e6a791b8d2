// A round compass picture on which a click or a drag sets a direction (and a
// speed) by where it lands relative to the centre; the engine's arithmetic
// turns the offset into the figures, which the dialog writes into its fields.
#pragma once

#include <QPointF>
#include <QWidget>
#include <optional>

#include "scenario/wind_dialogs.h"

namespace ormix::app {

class DirectionBullseye : public QWidget {
    Q_OBJECT
public:
    explicit DirectionBullseye(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    // Shows a direction typed into the dialog (degrees), or none.
    void ShowDirection(std::optional<double> degrees);
    // The centre of the compass, in the widget's pixels.
    QPoint Centre() const;

signals:
    // A click or drag within the compass, as the engine reads it.
    void Picked(const ormix::CompassClick& click);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    void Pick(const QPointF& at);

    std::optional<QPointF> marker_;  // offset from the centre
};

}  // namespace ormix::app
