#include "app/direction_bullseye.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace ormix::app {

namespace {

constexpr int kRadius = 80;  // the compass ring, in pixels
constexpr int kMargin = 18;  // room for the N, E, S and W letters

}  // namespace

DirectionBullseye::DirectionBullseye(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setCursor(Qt::CrossCursor);
    setToolTip(tr("Click or drag on the compass to set the direction and speed"));
}

QSize DirectionBullseye::sizeHint() const {
    int side = 2 * (kRadius + kMargin);
    return {side, side};
}

QPoint DirectionBullseye::Centre() const {
    return {width() / 2, height() / 2};
}

void DirectionBullseye::ShowDirection(std::optional<double> degrees) {
    if (!degrees) {
        marker_.reset();
    } else {
        // The point whose click gives this direction, on the ring.
        double theta = (*degrees / 180.0 - 1.0) * M_PI;
        marker_ = QPointF(std::sin(theta) * kRadius, -std::cos(theta) * kRadius);
    }
    update();
}

void DirectionBullseye::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c = Centre();
    p.setPen(QPen(palette().color(QPalette::Mid), 1));
    p.setBrush(palette().color(QPalette::Base));
    p.drawEllipse(c, kRadius, kRadius);
    p.setBrush(Qt::NoBrush);
    for (int r = kRadius / 4; r < kRadius; r += kRadius / 4)
        p.drawEllipse(c, r, r);
    p.drawLine(QPointF(c.x() - kRadius, c.y()), QPointF(c.x() + kRadius, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - kRadius), QPointF(c.x(), c.y() + kRadius));

    p.setPen(palette().color(QPalette::WindowText));
    QFont f = font();
    f.setBold(true);
    p.setFont(f);
    const int m = kMargin;
    auto letter = [&](const QString& s, QPointF at) {
        p.drawText(QRectF(at.x() - m / 2.0, at.y() - m / 2.0, m, m), Qt::AlignCenter, s);
    };
    letter(tr("N"), {c.x(), c.y() - kRadius - m / 2.0});
    letter(tr("S"), {c.x(), c.y() + kRadius + m / 2.0});
    letter(tr("E"), {c.x() + kRadius + m / 2.0, c.y()});
    letter(tr("W"), {c.x() - kRadius - m / 2.0, c.y()});

    if (marker_) {
        QPointF end = c + *marker_;
        p.setPen(QPen(QColor(200, 30, 30), 2));
        p.drawLine(c, end);
        p.setBrush(QColor(200, 30, 30));
        p.drawEllipse(end, 4, 4);
    }
}

void DirectionBullseye::Pick(const QPointF& at) {
    const QPoint c = Centre();
    int dx = static_cast<int>(std::lround(at.x())) - c.x();
    int dy = static_cast<int>(std::lround(at.y())) - c.y();
    CompassClick click;
    if (!CompassBullseye(dx, dy, click)) return;
    marker_ = QPointF(dx, dy);
    update();
    emit Picked(click);
}

void DirectionBullseye::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) Pick(e->position());
}

void DirectionBullseye::mouseMoveEvent(QMouseEvent* e) {
    if (e->buttons() & Qt::LeftButton) Pick(e->position());
}

}  // namespace ormix::app
