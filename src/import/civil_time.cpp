#include "civil_time.h"

#include <ctime>

namespace {

// Days since 1970-01-01 of a date, and back (H. Hinnant's algorithms).
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

}  // namespace

CivilTime civilTimeOf(std::int64_t unixSeconds)
{
    std::int64_t days = unixSeconds / 86400;
    std::int64_t rest = unixSeconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    const std::int64_t z = days + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned day = doy - (153 * mp + 2) / 5 + 1;
    const unsigned month = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t year = static_cast<std::int64_t>(yoe) + era * 400 + (month <= 2);
    return CivilTime{static_cast<int>(year),        static_cast<int>(month),          static_cast<int>(day),
                     static_cast<int>(rest / 3600), static_cast<int>(rest / 60 % 60), static_cast<int>(rest % 60)};
}

std::int64_t unixSecondsOf(const CivilTime& time)
{
    return daysFromCivil(time.year, static_cast<unsigned>(time.month), static_cast<unsigned>(time.day)) * 86400 +
           time.hour * 3600 + time.minute * 60 + time.second;
}

CivilTime localTimeOf(std::int64_t unixSeconds)
{
    const std::time_t t = static_cast<std::time_t>(unixSeconds);
    std::tm parts{};
    if (localtime_r(&t, &parts) == nullptr)
        return civilTimeOf(unixSeconds);
    return CivilTime{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec};
}

std::optional<CivilTime> localStartOf(const WorkoutSummary& workout)
{
    if (workout.localStart)
        return workout.localStart;
    if (workout.utcStart)
        return localTimeOf(*workout.utcStart);
    return std::nullopt;
}
