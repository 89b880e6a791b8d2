// One page of an oil's properties as the engine lays it out for display:
// labelled values, then tables of measurements.
#pragma once

#include <QScrollArea>

#include "oil/oil_selection.h"

namespace ormix::app {

class OilPropertyView : public QScrollArea {
    Q_OBJECT
public:
    explicit OilPropertyView(QWidget* parent = nullptr);
    void Show(const PropertyPage& page);
    // The value shown beside a label, for the tests and the screen reader.
    QString ValueOf(const QString& label) const;

private:
    QWidget* body_ = nullptr;
};

}  // namespace ormix::app
