#include "app/day_hour_entry.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

#include "calculators/json_fields.h"
#include "scenario/calendar.h"

namespace ormix::app {

DayAndHour DayAndHourOfTime(std::time_t t) {
    CalendarFields f = Fields(t);
    return {f.month, f.day, f.hour};
}

DayHourEntry::DayHourEntry(QWidget* parent)
    : QWidget(parent),
      month_(new QComboBox(this)),
      day_(new QComboBox(this)),
      hour_(new QComboBox(this)) {
    for (const char* name : kMonthNames)
        month_->addItem(QString::fromUtf8(name));
    for (int d = 1; d <= 31; ++d)
        day_->addItem(QString::number(d));
    for (int h = 0; h < 24; ++h)
        hour_->addItem(QStringLiteral("%1:00").arg(h, 2, 10, QLatin1Char('0')));
    month_->setAccessibleName(tr("Month"));
    day_->setAccessibleName(tr("Day"));
    hour_->setAccessibleName(tr("Hour"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(month_);
    row->addWidget(day_);
    row->addWidget(new QLabel(tr("at"), this));
    row->addWidget(hour_);
    row->addStretch();
    for (QComboBox* box : {month_, day_, hour_})
        connect(box, &QComboBox::currentIndexChanged, this, &DayHourEntry::Changed);
    setFocusProxy(month_);
}

DayAndHour DayHourEntry::Value() const {
    return {month_->currentIndex() + 1, day_->currentIndex() + 1, hour_->currentIndex()};
}

void DayHourEntry::SetValue(const DayAndHour& when) {
    month_->setCurrentIndex(when.month - 1);
    day_->setCurrentIndex(when.day - 1);
    hour_->setCurrentIndex(when.hour);
}

void DayHourEntry::SetTime(std::time_t t) {
    SetValue(DayAndHourOfTime(t));
}

}  // namespace ormix::app
