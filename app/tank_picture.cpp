#include "app/tank_picture.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace ormix::app {

namespace {

bool Known(double v) {
    return v != NoData && v > 0;
}

const QColor kHighlight(220, 120, 0);

}  // namespace

TankPicture::TankPicture(Part highlighted, QWidget* parent)
    : QWidget(parent), highlighted_(highlighted), tank_(std::make_unique<TankModel>()) {
    PrepareTankModel(*tank_, InputTank{});
    setMinimumSize(180, 220);
}

TankPicture::~TankPicture() = default;

void TankPicture::Show(const InputTank& tank) {
    PrepareTankModel(*tank_, tank);
    update();
}

void TankPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const TankModel& t = *tank_;
    const QRectF area = rect().adjusted(30, 20, -30, -30);
    // The tank fills the height of the picture; its width follows its
    // proportions within limits, so that a tall or a flat tank still reads.
    double H = Known(t.tankHeight) ? t.tankHeight : 1.0;
    double W = Known(t.bottomArea) ? std::sqrt(t.bottomArea) : H;
    double scale = std::min(area.height() / H, area.width() * 0.7 / W);
    scale = std::max(scale, 1e-9);
    const double width = std::clamp(W * scale, area.width() * 0.35, area.width() * 0.7);
    const double height = H * scale;
    const double left = area.center().x() - width / 2;
    const double bottom = area.bottom();
    auto yOf = [&](double metres) { return bottom - std::clamp(metres, 0.0, H) * scale; };

    // Water outside.
    if (t.waterLevel != NoData && t.waterLevel >= 0) {
        QRectF sea(rect().left(), yOf(t.waterLevel), rect().width(), bottom - yOf(t.waterLevel));
        p.fillRect(sea, highlighted_ == Water ? QColor(120, 170, 240) : QColor(190, 215, 245));
    }
    // Oil inside.
    if (Known(t.oilHeight)) {
        QRectF oil(left, yOf(t.oilHeight), width, bottom - yOf(t.oilHeight));
        p.fillRect(oil, highlighted_ == Oil ? QColor(110, 70, 20) : QColor(150, 110, 60));
    }
    // The tank.
    QPen wall(highlighted_ == Size ? kHighlight : palette().color(QPalette::WindowText), 3);
    p.setPen(wall);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(left, bottom - height, width, height));
    // The opening, on the right wall.
    if (t.holeHeight != NoData && t.holeHeight >= 0) {
        double size = Known(t.holeDiameter) ? t.holeDiameter * scale : 6;
        size = std::max(size, 6.0);
        QRectF hole(left + width - 4, yOf(t.holeHeight) - size, 8, size);
        p.setPen(Qt::NoPen);
        p.setBrush(highlighted_ == Location || highlighted_ == Opening ? kHighlight : Qt::black);
        p.drawRect(hole);
    } else if (highlighted_ == Opening && Known(t.holeDiameter)) {
        double size = std::max(t.holeDiameter * scale, 6.0);
        p.setPen(Qt::NoPen);
        p.setBrush(kHighlight);
        p.drawEllipse(QPointF(left + width, bottom - height / 2), size / 2, size / 2);
    }
    // The ground.
    p.setPen(QPen(palette().color(QPalette::Mid), 2));
    p.drawLine(QPointF(rect().left(), bottom), QPointF(rect().right(), bottom));
}

}  // namespace ormix::app
