// Calendar times of a scenario: local date-times on whole hours, with
// daylight saving decided by the calendar.
#pragma once

#include <ctime>
#include <string>

namespace ormix {

// The local time of the given date and hour, minute 0. Out-of-range days and
// months roll over as the calendar does (31 February is 3 March).
std::time_t MakeLocalTime(int year, int month, int day, int hour);

struct CalendarFields {
    int year, month, day, hour, minute;
};
CalendarFields Fields(std::time_t t);

// Moves a time forward by whole calendar days, keeping its clock hour.
std::time_t AddDays(std::time_t t, int days);

// Whole hours from `from` to `to`, truncated toward zero.
long WholeHours(std::time_t to, std::time_t from);

// Why a month (1..12), day and hour (0..23) of a year name no local time:
// "there is no such day in 2026" for 30 February or 31 April, which the
// calendar would roll over into the next month, or "there is no 02:00 on
// March 08, 2026: the clocks go forward then" for an hour that the change
// to summer time skips. Empty when the time exists.
std::string NoSuchLocalTime(int year, int month, int day, int hour);

// strftime in the local time zone.
std::string FormatTime(std::time_t t, const char* format);

// 366 when the year is divisible by 4, else 365: the days that move a January
// date into the following year.
int DaysInYearOf(std::time_t t);

}  // namespace ormix
