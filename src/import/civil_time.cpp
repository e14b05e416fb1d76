#include "civil_time.h"

#include <ctime>

#include "values/calendar.h"

CivilTime civilTimeOf(std::int64_t unixSeconds)
{
    std::int64_t days = unixSeconds / 86400;
    std::int64_t rest = unixSeconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    const CalendarDate date = dateFromDayNumber(days);
    return CivilTime{date.year, date.month, date.day, static_cast<int>(rest / 3600), static_cast<int>(rest / 60 % 60),
                     static_cast<int>(rest % 60)};
}

std::int64_t unixSecondsOf(const CivilTime& time)
{
    return dayNumber(CalendarDate{time.year, time.month, time.day}) * 86400 + time.hour * 3600 + time.minute * 60 +
           time.second;
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
