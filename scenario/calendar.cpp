#include "scenario/calendar.h"

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
