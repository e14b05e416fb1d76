// Date texts, the two-digit year window, the derived keys and the week
// numbering with its three first days.

#include <gtest/gtest.h>

#include <string>

#include "values/calendar.h"

namespace {

CalendarDate date(int y, int m, int d)
{
    return CalendarDate{y, m, d};
}

std::string show(const CalendarDate& d)
{
    return std::to_string(d.year) + "-" + std::to_string(d.month) + "-" + std::to_string(d.day);
}

// ---------------------------------------------------------------- date texts

struct ParseRow {
    const char* name;
    const char* text;
    DateFormat format;
    CalendarDate date;
};

void PrintTo(const ParseRow& row, std::ostream* os)
{
    *os << row.name;
}

class ParseDateTable : public ::testing::TestWithParam<ParseRow> {};

TEST_P(ParseDateTable, readsDateInTheLogsOrder)
{
    EXPECT_EQ(show(GetParam().date), show(parseDate(GetParam().text, GetParam().format)));
}

INSTANTIATE_TEST_SUITE_P(
    Dates, ParseDateTable,
    ::testing::Values(ParseRow{"monthFirst", "03/21/02", DateFormat::MonthFirst, date(2002, 3, 21)},
                      ParseRow{"dayFirst", "21/03/02", DateFormat::DayFirst, date(2002, 3, 21)},
                      ParseRow{"oneDigitMonthAsTyped", "3/21/02", DateFormat::MonthFirst, date(2002, 3, 21)},
                      ParseRow{"oneDigitDayFirst", "21/3/02", DateFormat::DayFirst, date(2002, 3, 21)},
                      ParseRow{"year49IsTwentyFortyNine", "12/31/49", DateFormat::MonthFirst, date(2049, 12, 31)},
                      ParseRow{"year50IsNineteenFifty", "01/01/50", DateFormat::MonthFirst, date(1950, 1, 1)},
                      ParseRow{"year99", "07/04/99", DateFormat::MonthFirst, date(1999, 7, 4)},
                      ParseRow{"year00", "02/29/00", DateFormat::MonthFirst, date(2000, 2, 29)}),
    [](const auto& info) { return std::string(info.param.name); });

struct YearRow {
    const char* name;
    int twoDigits;
    int year;
};

void PrintTo(const YearRow& row, std::ostream* os)
{
    *os << row.name;
}

class YearWindowTable : public ::testing::TestWithParam<YearRow> {};

TEST_P(YearWindowTable, placesTwoDigitYear)
{
    EXPECT_EQ(GetParam().year, expandYear(GetParam().twoDigits));
}

INSTANTIATE_TEST_SUITE_P(Dates, YearWindowTable,
                         ::testing::Values(YearRow{"zero", 0, 2000}, YearRow{"fortyNine", 49, 2049},
                                           YearRow{"fifty", 50, 1950}, YearRow{"ninetyNine", 99, 1999},
                                           YearRow{"two", 2, 2002}),
                         [](const auto& info) { return std::string(info.param.name); });

struct FormatRow {
    const char* name;
    CalendarDate date;
    DateFormat format;
    const char* text;
};

void PrintTo(const FormatRow& row, std::ostream* os)
{
    *os << row.name;
}

class FormatDateTable : public ::testing::TestWithParam<FormatRow> {};

TEST_P(FormatDateTable, writesTwoDigitsPerPart)
{
    EXPECT_EQ(GetParam().text, formatDate(GetParam().date, GetParam().format));
}

INSTANTIATE_TEST_SUITE_P(
    Dates, FormatDateTable,
    ::testing::Values(FormatRow{"monthFirst", date(2002, 3, 21), DateFormat::MonthFirst, "03/21/02"},
                      FormatRow{"dayFirst", date(2002, 3, 21), DateFormat::DayFirst, "21/03/02"},
                      FormatRow{"lastCenturyPadded", date(1999, 12, 5), DateFormat::MonthFirst, "12/05/99"},
                      FormatRow{"yearTwoThousand", date(2000, 1, 1), DateFormat::DayFirst, "01/01/00"},
                      FormatRow{"lastDay", date(2049, 12, 31), DateFormat::MonthFirst, "12/31/49"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DateFormatPreference, twoIsDayFirstAnythingElseMonthFirst)
{
    EXPECT_EQ(DateFormat::DayFirst, dateFormatFrom(2));
    EXPECT_EQ(DateFormat::MonthFirst, dateFormatFrom(1));
    EXPECT_EQ(DateFormat::MonthFirst, dateFormatFrom(0));
}

// ---------------------------------------------------------------- keys

struct KeyRow {
    const char* name;
    CalendarDate date;
    std::uint32_t dateKey;
    int monthIndex;
};

void PrintTo(const KeyRow& row, std::ostream* os)
{
    *os << row.name;
}

class DateKeyTable : public ::testing::TestWithParam<KeyRow> {};

TEST_P(DateKeyTable, derivesKeyAndMonth)
{
    const auto& r = GetParam();
    EXPECT_EQ(r.dateKey, dateKeyOf(r.date));
    EXPECT_EQ(r.monthIndex, monthIndexOf(r.date));
    EXPECT_EQ(show(r.date), show(dateFromKey(r.dateKey)));
}

INSTANTIATE_TEST_SUITE_P(Dates, DateKeyTable,
                         ::testing::Values(KeyRow{"march2002", date(2002, 3, 21), 1020321u, 1226},
                                           KeyRow{"march1999", date(1999, 3, 21), 990321u, 1190},
                                           KeyRow{"january2049", date(2049, 1, 5), 1490105u, 1788},
                                           KeyRow{"january1950", date(1950, 1, 5), 500105u, 600},
                                           KeyRow{"january1900", date(1900, 1, 1), 101u, 0},
                                           KeyRow{"december2049", date(2049, 12, 31), 1491231u, 1799}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- days

TEST(DayArithmetic, addDaysCrossesMonthsYearsAndLeapDays)
{
    EXPECT_EQ(show(date(2004, 3, 28)), show(addDays(date(2004, 3, 1), 27)));
    EXPECT_EQ(show(date(2004, 3, 1)), show(addDays(date(2004, 3, 28), -27)));
    EXPECT_EQ(show(date(2004, 2, 29)), show(addDays(date(2004, 2, 28), 1)));
    EXPECT_EQ(show(date(2003, 3, 1)), show(addDays(date(2003, 2, 28), 1)));
    EXPECT_EQ(show(date(2000, 1, 1)), show(addDays(date(1999, 12, 31), 1)));
    EXPECT_EQ(show(date(2000, 2, 29)), show(addDays(date(2000, 3, 1), -1)));
    EXPECT_EQ(show(date(1900, 2, 28)), show(addDays(date(1900, 3, 1), -1)));
    EXPECT_EQ(show(date(2002, 3, 21)), show(addDays(date(2002, 3, 21), 0)));
}

TEST(DayArithmetic, daysBetweenIsLaterMinusEarlier)
{
    EXPECT_EQ(27, daysBetween(date(2004, 3, 28), date(2004, 3, 1)));
    EXPECT_EQ(14, daysBetween(date(2004, 3, 28), date(2004, 3, 14)));
    EXPECT_EQ(0, daysBetween(date(2004, 3, 28), date(2004, 3, 28)));
    EXPECT_EQ(-27, daysBetween(date(2004, 3, 1), date(2004, 3, 28)));
    EXPECT_EQ(36524, daysBetween(date(2049, 12, 31), date(1950, 1, 1)));
    EXPECT_EQ(366, daysBetween(date(2005, 1, 1), date(2004, 1, 1)));
}

TEST(DayArithmetic, dayNumbersCountFrom1970AndRollMonths)
{
    EXPECT_EQ(0, dayNumber(date(1970, 1, 1)));
    EXPECT_EQ(-7305, dayNumber(date(1950, 1, 1)));
    EXPECT_EQ(11763, dayNumber(date(2002, 3, 17)));
    EXPECT_EQ(show(date(2002, 3, 17)), show(dateFromDayNumber(11763)));
    EXPECT_EQ(show(date(1950, 1, 1)), show(dateFromDayNumber(-7305)));
    EXPECT_EQ(dayNumber(date(1971, 1, 1)), dayNumber(date(1970, 13, 1)));
    EXPECT_EQ(dayNumber(date(1969, 12, 1)), dayNumber(date(1970, 0, 1)));
}

// ---------------------------------------------------------------- weeks

struct OriginRow {
    const char* name;
    int weekStart;
    CalendarDate origin;
};

void PrintTo(const OriginRow& row, std::ostream* os)
{
    *os << row.name;
}

class WeekOriginTable : public ::testing::TestWithParam<OriginRow> {};

TEST_P(WeekOriginTable, startsWeekZeroInJanuary1950)
{
    EXPECT_EQ(show(GetParam().origin), show(weekOriginFor(GetParam().weekStart)));
}

INSTANTIATE_TEST_SUITE_P(Weeks, WeekOriginTable,
                         ::testing::Values(OriginRow{"monday", 1, date(1950, 1, 2)},
                                           OriginRow{"saturday", 2, date(1950, 1, 7)},
                                           OriginRow{"sunday", 3, date(1950, 1, 1)},
                                           OriginRow{"zeroIsSunday", 0, date(1950, 1, 1)},
                                           OriginRow{"unknownIsSunday", 9, date(1950, 1, 1)}),
                         [](const auto& info) { return std::string(info.param.name); });

struct WeekRow {
    const char* name;
    int weekStart;
    CalendarDate date;
    int week;
};

void PrintTo(const WeekRow& row, std::ostream* os)
{
    *os << row.name;
}

class WeekIndexTable : public ::testing::TestWithParam<WeekRow> {};

TEST_P(WeekIndexTable, countsWeeksFromTheOrigin)
{
    const auto& r = GetParam();
    EXPECT_EQ(r.week, weekIndexOf(r.date, weekOriginFor(r.weekStart)));
}

INSTANTIATE_TEST_SUITE_P(
    Weeks, WeekIndexTable,
    ::testing::Values(
        WeekRow{"sundayFirstDay", 3, date(1950, 1, 1), 0}, WeekRow{"sundaySaturdayBefore", 3, date(1950, 1, 7), 0},
        WeekRow{"sundaySecondWeek", 3, date(1950, 1, 8), 1},
        WeekRow{"mondayDayBeforeOriginTruncatesToZero", 1, date(1950, 1, 1), 0},
        WeekRow{"mondayOrigin", 1, date(1950, 1, 2), 0}, WeekRow{"mondaySundayAfter", 1, date(1950, 1, 8), 0},
        WeekRow{"mondaySecondWeek", 1, date(1950, 1, 9), 1}, WeekRow{"saturdayJanuaryFirst", 2, date(1950, 1, 1), 0},
        WeekRow{"saturdayJanuarySixth", 2, date(1950, 1, 6), 0}, WeekRow{"saturdayOrigin", 2, date(1950, 1, 7), 0},
        WeekRow{"saturdayJanuaryThirteenth", 2, date(1950, 1, 13), 0},
        WeekRow{"saturdaySecondWeek", 2, date(1950, 1, 14), 1}, WeekRow{"sunday2002", 3, date(2002, 3, 21), 2724},
        WeekRow{"sixDaysBeforeOriginIsWeekZero", 3, date(1949, 12, 26), 0},
        WeekRow{"eightDaysBeforeOriginTruncatesToMinusOne", 3, date(1949, 12, 24), -1},
        WeekRow{"twoWeeksBeforeOrigin", 3, date(1949, 12, 18), -2}, WeekRow{"monday2002", 1, date(2002, 3, 21), 2724},
        WeekRow{"saturday2002", 2, date(2002, 3, 21), 2723}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Weeks, firstDayOfWeekIsOriginPlusWholeWeeks)
{
    EXPECT_EQ(show(date(1950, 1, 1)), show(weekFirstDay(0, weekOriginFor(3))));
    EXPECT_EQ(show(date(1950, 1, 9)), show(weekFirstDay(1, weekOriginFor(1))));
    EXPECT_EQ(show(date(2002, 3, 17)), show(weekFirstDay(2724, weekOriginFor(3))));
    EXPECT_EQ(show(date(2002, 3, 16)), show(weekFirstDay(2723, weekOriginFor(2))));
}

TEST(Weeks, negativeWeekNumberIsTakenAsUnsigned16Bit)
{
    // -1 is week 65535: 458745 days after the origin.
    EXPECT_EQ(show(date(3206, 1, 1)), show(weekFirstDay(-1, weekOriginFor(3))));
}

TEST(Weeks, everyDayLiesInTheWeekThatStartsBeforeIt)
{
    for (int weekStart : {1, 2, 3}) {
        CalendarDate origin = weekOriginFor(weekStart);
        for (CalendarDate d = date(2003, 12, 20); d.year < 2004 || d.month < 2; d = addDays(d, 1)) {
            CalendarDate first = weekFirstDay(weekIndexOf(d, origin), origin);
            int into = daysBetween(d, first);
            EXPECT_GE(into, 0) << show(d) << " weekStart " << weekStart;
            EXPECT_LT(into, 7) << show(d) << " weekStart " << weekStart;
        }
    }
}

}  // namespace
