// The picture on the pages of the leaking tank set-up: the tank in section,
// with the oil in it, the opening and the water level outside, as far as
// the pages have described them; the part the current page asks about is
// drawn in a stronger colour.
#pragma once

#include <QWidget>
#include <memory>

#include "core/inputs.h"
#include "model/weathering_model.h"

namespace ormix::app {

class TankPicture : public QWidget {
    Q_OBJECT
public:
    enum Part { Size, Oil, Opening, Location, Water, None };

    explicit TankPicture(Part highlighted, QWidget* parent = nullptr);
    ~TankPicture() override;

    void Show(const InputTank& tank);
    QSize sizeHint() const override { return {260, 320}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Part highlighted_;
    std::unique_ptr<TankModel> tank_;  // in metres
};

}  // namespace ormix::app
