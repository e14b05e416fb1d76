#include "calendar.h"

#include <cstdio>

namespace {

// Days from 1970-01-01 of a proleptic Gregorian date (the usual civil-day
// arithmetic), for months already in 1..12.
std::int64_t civilDays(std::int64_t y, int m, int d)
{
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

}  // namespace

std::int64_t dayNumber(const CalendarDate& date)
{
    // Dates come in runs of the same month (a log's entries, a calendar's
    // days): the first day of the month last asked about is kept.
    static thread_local int lastYear = 1970;
    static thread_local int lastMonth = 1;
    static thread_local std::int64_t lastFirstDay = 0;
    if (date.year != lastYear || date.month != lastMonth) {
        // Month numbers the calendar does not have (a typed 21) roll into the
        // following years, so every text still lands on some day.
        std::int64_t months = static_cast<std::int64_t>(date.year) * 12 + (date.month - 1);
        std::int64_t year = months >= 0 ? months / 12 : (months - 11) / 12;
        int month = static_cast<int>(months - year * 12) + 1;
        lastYear = date.year;
        lastMonth = date.month;
        lastFirstDay = civilDays(year, month, 1);
    }
    return lastFirstDay + (date.day - 1);
}

CalendarDate dateFromDayNumber(std::int64_t days)
{
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t doe = days - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const std::int64_t y = yoe + era * 400 + (m <= 2);
    return CalendarDate{static_cast<int>(y), m, d};
}

CalendarDate addDays(const CalendarDate& date, int days)
{
    return dateFromDayNumber(dayNumber(date) + days);
}

int daysBetween(const CalendarDate& later, const CalendarDate& earlier)
{
    return static_cast<int>(dayNumber(later) - dayNumber(earlier));
}

namespace {

// One "%d" of scanf: blanks skipped, an optional sign, then digits. Returns
// false (and leaves pos) when no number stands there.
bool scanInt(std::string_view text, std::size_t& pos, int& value)
{
    std::size_t i = pos;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    if (i >= text.size() || text[i] < '0' || text[i] > '9')
        return false;
    long long v = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        if (v < 100000000)
            v = v * 10 + (text[i] - '0');
    value = static_cast<int>(negative ? -v : v);
    pos = i;
    return true;
}

}  // namespace

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

CalendarDate parseDate(std::string_view text, DateFormat format)
{
    // "%d/%d/%d": numbers that are missing stay 0.
    int parts[3] = {0, 0, 0};
    // Nearly every date is "nn/nn/nn": read that form straight away.
    if (CalendarDate date; parseTwoDigitDate(text, format, date))
        return date;
    std::size_t pos = 0;
    for (int k = 0; k < 3; ++k) {
        if (k > 0) {
            if (pos >= text.size() || text[pos] != '/')
                break;
            ++pos;
        }
        if (!scanInt(text, pos, parts[k]))
            break;
    }
    // Numbers out of every sensible range are held, so the day arithmetic
    // cannot overflow on a damaged line.
    auto hold = [](int v) { return v < -100000 ? -100000 : (v > 100000 ? 100000 : v); };
    CalendarDate date;
    date.year = expandYear(hold(parts[2]));
    if (format == DateFormat::MonthFirst) {
        date.month = hold(parts[0]);
        date.day = hold(parts[1]);
    } else {
        date.day = hold(parts[0]);
        date.month = hold(parts[1]);
    }
    return date;
}

std::string formatDate(const CalendarDate& date, DateFormat format)
{
    int first = format == DateFormat::MonthFirst ? date.month : date.day;
    int second = format == DateFormat::MonthFirst ? date.day : date.month;
    int yy = ((date.year % 100) + 100) % 100;
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%02d/%02d/%02d", first, second, yy);
    return buffer;
}

std::uint32_t dateKeyOf(const CalendarDate& date)
{
    return static_cast<std::uint32_t>((date.year - 1900) * 10000 + date.month * 100 + date.day);
}

CalendarDate dateFromKey(std::uint32_t key)
{
    return CalendarDate{static_cast<int>(key / 10000) + 1900, static_cast<int>(key / 100 % 100),
                        static_cast<int>(key % 100)};
}

int monthIndexOf(const CalendarDate& date)
{
    return date.year * 12 + date.month - 22801;
}

CalendarDate weekOriginFor(int weekStart)
{
    CalendarDate origin{1950, 1, 1};
    if (weekStart == 1)
        return addDays(origin, 1);
    if (weekStart == 2)
        return addDays(origin, 6);
    return origin;
}

int weekIndexOf(const CalendarDate& date, const CalendarDate& weekOrigin)
{
    // The origin is one of three days; most calls ask about the same one.
    static thread_local CalendarDate lastOrigin{};
    static thread_local std::int64_t lastOriginDay = dayNumber(lastOrigin);
    if (!(weekOrigin == lastOrigin)) {
        lastOrigin = weekOrigin;
        lastOriginDay = dayNumber(weekOrigin);
    }
    return static_cast<int>((dayNumber(date) - lastOriginDay) / 7);
}

CalendarDate weekFirstDay(int weekIndex, const CalendarDate& weekOrigin)
{
    return addDays(weekOrigin, static_cast<int>(static_cast<std::uint16_t>(weekIndex)) * 7);
}
