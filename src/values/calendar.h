#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct CalendarDate {
    int year = 0;
    int month = 0;
    int day = 0;
    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

// The log's date format preference: 1 month first, 2 day first.
enum class DateFormat : int { MonthFirst = 1, DayFirst = 2 };
inline DateFormat dateFormatFrom(int preference)
{
    return preference == 2 ? DateFormat::DayFirst : DateFormat::MonthFirst;
}

// Days since 1 January 1970 of a proleptic Gregorian date; months outside
// 1..12 roll into the neighbouring years rather than failing.
std::int64_t dayNumber(const CalendarDate& date);
CalendarDate dateFromDayNumber(std::int64_t days);

CalendarDate addDays(const CalendarDate& date, int days);
// Whole days from earlier to later.
int daysBetween(const CalendarDate& later, const CalendarDate& earlier);

// Applies the two-digit year window: 50..99 are 19yy, 0..49 are 20yy.
inline int expandYear(int twoDigitYear)
{
    return twoDigitYear < 50 ? 2000 + twoDigitYear : 1900 + twoDigitYear;
}
// The years that window holds: a date outside them would come back from a
// log file in another century.
inline constexpr int kFirstFileYear = 1950;
inline constexpr int kLastFileYear = 2049;
inline bool dateFitsFile(const CalendarDate& date)
{
    return date.year >= kFirstFileYear && date.year <= kLastFileYear;
}

// "%d/%d/%d" read as month/day/year or day/month/year, then the year window.
// Numbers that are missing are 0.
CalendarDate parseDate(std::string_view text, DateFormat format);
// The form nearly every date has, "nn/nn/nn" not followed by a digit, read
// as parseDate reads it; false for any other text. Inline, so that a caller
// reading many dates keeps them in registers.
inline bool parseTwoDigitDate(std::string_view text, DateFormat format, CalendarDate& date)
{
    auto digit = [&text](std::size_t i) { return text[i] >= '0' && text[i] <= '9'; };
    if (!(text.size() >= 8 && digit(0) && digit(1) && text[2] == '/' && digit(3) && digit(4) && text[5] == '/' &&
          digit(6) && digit(7) && (text.size() == 8 || !digit(8))))
        return false;
    auto two = [&text](std::size_t i) { return (text[i] - '0') * 10 + (text[i + 1] - '0'); };
    const int first = two(0), second = two(3);
    date.year = expandYear(two(6));
    date.month = format == DateFormat::MonthFirst ? first : second;
    date.day = format == DateFormat::MonthFirst ? second : first;
    return true;
}
// "MM/dd/yy" or "dd/MM/yy".
std::string formatDate(const CalendarDate& date, DateFormat format);

std::uint32_t dateKeyOf(const CalendarDate& date);
CalendarDate dateFromKey(std::uint32_t key);
int monthIndexOf(const CalendarDate& date);

// First day of week 0: 1 January 1950 moved by the week start preference
// (1 Monday, 2 Saturday, 3 Sunday).
CalendarDate weekOriginFor(int weekStart);
int weekIndexOf(const CalendarDate& date, const CalendarDate& weekOrigin);
// The week number is taken as an unsigned 16-bit number, as it is stored.
CalendarDate weekFirstDay(int weekIndex, const CalendarDate& weekOrigin);
