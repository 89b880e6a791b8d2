#include "scenario/calendar.h"

#include <cstdio>

namespace ormix {

std::time_t MakeLocalTime(int year, int month, int day, int hour) {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

std::string NoSuchLocalTime(int year, int month, int day, int hour) {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_isdst = -1;
    if (std::mktime(&tm) == static_cast<std::time_t>(-1)) return "there is no such time";
    if (tm.tm_year != year - 1900 || tm.tm_mon != month - 1 || tm.tm_mday != day)
        return "there is no such day in " + std::to_string(year);
    if (tm.tm_hour != hour) {
        char text[96];
        std::snprintf(text, sizeof text, "there is no %02d:00 on ", hour);
        return text + FormatTime(MakeLocalTime(year, month, day, 12), "%B %d, %Y") +
               ": the clocks go forward then";
    }
    return "";
}

CalendarFields Fields(std::time_t t) {
    std::tm tm{};
    localtime_r(&t, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min};
}

std::time_t AddDays(std::time_t t, int days) {
    std::tm tm{};
    localtime_r(&t, &tm);
    tm.tm_mday += days;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

long WholeHours(std::time_t to, std::time_t from) {
    return static_cast<long>((to - from) / 3600);
}

std::string FormatTime(std::time_t t, const char* format) {
    std::tm tm{};
    localtime_r(&t, &tm);
    char buf[128];
    size_t n = std::strftime(buf, sizeof buf, format, &tm);
    return std::string(buf, n);
}

int DaysInYearOf(std::time_t t) {
    return Fields(t).year % 4 == 0 ? 366 : 365;
}

}  // namespace ormix
