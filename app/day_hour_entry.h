// The date and hour of an event as the dialogs offer them: a month, a day
// of the month (1 to 31) and a clock hour. The scenario places them in its
// calendar year.
#pragma once

#include <QWidget>
#include <ctime>

#include "scenario/release_dialogs.h"

class QComboBox;

namespace ormix::app {

class DayHourEntry : public QWidget {
    Q_OBJECT
public:
    explicit DayHourEntry(QWidget* parent = nullptr);

    DayAndHour Value() const;
    void SetValue(const DayAndHour& when);
    void SetTime(std::time_t t);  // the month, day and hour of a time

    QComboBox* Month() const { return month_; }
    QComboBox* Day() const { return day_; }
    QComboBox* Hour() const { return hour_; }

signals:
    void Changed();

private:
    QComboBox* month_;
    QComboBox* day_;
    QComboBox* hour_;
};

DayAndHour DayAndHourOfTime(std::time_t t);

}  // namespace ormix::app
