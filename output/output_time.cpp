#include "output/output_time.h"

namespace ormix {

std::time_t ModelHourStart(std::time_t release, long hour) {
    std::tm tm{};
    localtime_r(&release, &tm);
    const std::time_t clockHour = release - tm.tm_min * 60 - tm.tm_sec;
    return clockHour + static_cast<std::time_t>(hour - 1) * 3600;
}

}  // namespace ormix
