// Durations, paces and decimal texts: the rules that turn what the user typed
// into numbers and back.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "values/time_value.h"

namespace {

// A relative tolerance fine enough to tell any two seconds apart in a
// duration while allowing for single-precision rounding.
void expectMinutes(float expected, float actual)
{
    EXPECT_NEAR(expected, actual, 1e-5f * (expected < 1.0f ? 1.0f : expected));
}

struct Collected {
    std::vector<std::string> texts;
    InputWarning sink()
    {
        return [this](const std::string& text) { texts.push_back(text); };
    }
};

// ---------------------------------------------------------------- parseTime

struct ParseRow {
    const char* name;
    const char* input;
    float minutes;
    const char* normalised;
    std::vector<std::string> warnings;
};

void PrintTo(const ParseRow& row, std::ostream* os)
{
    *os << row.name;
}

class ParseTimeTable : public ::testing::TestWithParam<ParseRow> {};

TEST_P(ParseTimeTable, readsMinutesAndNormalisesText)
{
    const ParseRow& row = GetParam();
    Collected warnings;
    std::string text = row.input;
    float minutes = parseTime(text, true, warnings.sink());
    expectMinutes(row.minutes, minutes);
    EXPECT_EQ(row.normalised, text);
    EXPECT_EQ(row.warnings, warnings.texts);
}

TEST_P(ParseTimeTable, silentFormGivesSameMinutesAndKeepsText)
{
    const ParseRow& row = GetParam();
    std::string text = row.input;
    expectMinutes(row.minutes, parseTime(std::string_view(text)));
    EXPECT_EQ(row.input, text);

    Collected warnings;
    expectMinutes(row.minutes, parseTime(text, false, warnings.sink()));
    EXPECT_EQ(row.input, text);
    EXPECT_EQ(std::vector<std::string>{}, warnings.texts);
}

const std::string kColons = kTooManyColons;

INSTANTIATE_TEST_SUITE_P(
    Durations, ParseTimeTable,
    ::testing::Values(
        ParseRow{"empty_staysEmpty", "", 0.0f, "", {}},
        ParseRow{"hoursMinutesSeconds", "1:30:30", 90.5f, "1:30:30", {}},
        ParseRow{"approximateMarkKept", "~1:30:30", 90.5f, "~1:30:30", {}},
        ParseRow{"twoDigitsAreMinutes", "45", 45.0f, "45:00", {}}, ParseRow{"oneDigitIsMinutes", "5", 5.0f, "5:00", {}},
        ParseRow{"fourDigitsMinutesSeconds", "4530", 45.5f, "45:30", {}},
        ParseRow{"threeDigitsMinuteSeconds", "130", 1.5f, "1:30", {}},
        ParseRow{"fiveDigitsHoursMinutesSeconds", "12345", 83.75f, "1:23:45", {}},
        ParseRow{"sixDigitsHoursMinutesSeconds", "123456", 754.0f + 56.0f / 60.0f, "12:34:56", {}},
        ParseRow{"minutesAbove60BecomeHours", "90:00", 90.0f, "1:30:00", {}},
        ParseRow{"minutes75BecomeHours", "75:10", 75.0f + 10.0f / 60.0f, "1:15:10", {}},
        ParseRow{"exactly60MinutesStayMinutes", "60:00", 60.0f, "1:00:00", {}},
        ParseRow{"oneDigitSeconds", "1:5", 1.0f + 5.0f / 60.0f, "1:05", {}},
        ParseRow{"emptyMinutesBeforeColon", ":30", 0.5f, "0:30", {}},
        ParseRow{"minutesAndSecondsCutToTwoDigits", "1:234:567", 60.0f + 23.0f + 56.0f / 60.0f, "1:23:56", {}},
        ParseRow{"thirdColonDroppedWithMessage", "1:2:3:4", 62.0f + 34.0f / 60.0f, "1:02:34", {kColons}},
        ParseRow{"everyExtraColonWarns", "1:2:3:4:5", 62.0f + 34.0f / 60.0f, "1:02:34", {kColons, kColons}},
        ParseRow{"trailingPointDroppedSilently", "5.", 5.0f, "5:00", {}},
        ParseRow{"secondPointDroppedInputShown", "1.2.3", 1.0f + 0.23f / 60.0f, "1:00.2", {"1.2.3"}},
        ParseRow{"pointIsFractionOfSecond", "45:30.5", 45.5f + 0.5f / 60.0f, "45:30.5", {}},
        ParseRow{"leadingPointIsSeconds", ".5", 0.5f / 60.0f, "0:00.5", {}},
        ParseRow{"blanksAndLettersDropped", " 1h 30m", 1.5f, "1:30", {}},
        ParseRow{"lettersOnlyGiveZero", "abc", 0.0f, "00", {}}),
    [](const ::testing::TestParamInfo<ParseRow>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- formatTime

struct FormatRow {
    const char* name;
    float minutes;
    const char* text;
};

void PrintTo(const FormatRow& row, std::ostream* os)
{
    *os << row.name;
}

class FormatTimeTable : public ::testing::TestWithParam<FormatRow> {};

TEST_P(FormatTimeTable, writesDuration)
{
    EXPECT_EQ(GetParam().text, formatTime(GetParam().minutes));
}

INSTANTIATE_TEST_SUITE_P(
    Durations, FormatTimeTable,
    ::testing::Values(
        FormatRow{"hoursMinutesSeconds", 90.5f, "1:30:30"}, FormatRow{"minutesPaddedAfterHours", 61.25f, "1:01:15"},
        FormatRow{"wholeMinutes", 5.0f, "5:00"}, FormatRow{"tenthsOfSecondKept", 5.51f, "5:30.6"},
        FormatRow{"halfMinuteHasZeroMinutes", 0.5f, "0:30"}, FormatRow{"shortSecondsPadded", 0.1f, "0:06"},
        FormatRow{"halfSecondAlone", 0.5f / 60.0f, "0:00.5"}, FormatRow{"carryIntoMinutesNotHours", 59.9995f, "60:00"},
        FormatRow{"carryAfterHoursStopsInMinutes", 119.9999f, "1:60:00"},
        FormatRow{"carryToNextMinute", 1.9999f, "2:00"}, FormatRow{"tenHours", 600.0f, "10:00:00"},
        FormatRow{"justUnderAnHour", 59.5f, "59:30"}, FormatRow{"zero", 0.0f, "00"},
        FormatRow{"wholeHours", 120.0f, "2:00:00"}, FormatRow{"halfSecond", 5.0f + 0.5f / 60.0f, "5:00.5"},
        FormatRow{"paceOfEightMinutes", 8.0f, "8:00"}, FormatRow{"paceTimesDistance", 49.6f, "49:36"}),
    [](const ::testing::TestParamInfo<FormatRow>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- cleanDecimal

struct CleanRow {
    const char* name;
    const char* input;
    const char* cleaned;
    int warnings;
};

void PrintTo(const CleanRow& row, std::ostream* os)
{
    *os << row.name;
}

class CleanDecimalTable : public ::testing::TestWithParam<CleanRow> {};

TEST_P(CleanDecimalTable, keepsDigitsAndOnePoint)
{
    const CleanRow& row = GetParam();
    Collected warnings;
    std::string text = row.input;
    cleanDecimal(text, warnings.sink());
    EXPECT_EQ(row.cleaned, text);
    EXPECT_EQ(std::vector<std::string>(static_cast<std::size_t>(row.warnings), kTooManyPoints), warnings.texts);
}

INSTANTIATE_TEST_SUITE_P(Decimals, CleanDecimalTable,
                         ::testing::Values(CleanRow{"plainDecimal", "12.5", "12.5", 0}, CleanRow{"empty", "", "", 0},
                                           CleanRow{"approximateAndUnitDropped", "~6.2K", "6.2", 0},
                                           CleanRow{"trailingPointDroppedSilently", "5.", "5", 0},
                                           CleanRow{"secondPointDroppedWithMessage", "1.2.3", "1.23", 1},
                                           CleanRow{"everyExtraPointWarns", "1.2.3.4", "1.234", 2},
                                           CleanRow{"doublePoint", "1..2", "1.2", 1},
                                           CleanRow{"blanksDropped", "12 345", "12345", 0},
                                           CleanRow{"leadingPointKept", ".75", ".75", 0},
                                           CleanRow{"approximateMarkOnly", "~", "", 0}),
                         [](const ::testing::TestParamInfo<CleanRow>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- paces

struct PaceRow {
    const char* name;
    PaceUnit unit;
    const char* pace;
    float minutesPerMile;
};

void PrintTo(const PaceRow& row, std::ostream* os)
{
    *os << row.name;
}

class MinutesPerMileTable : public ::testing::TestWithParam<PaceRow> {};

TEST_P(MinutesPerMileTable, convertsPaceToMinutesPerMile)
{
    std::string pace = GetParam().pace;
    expectMinutes(GetParam().minutesPerMile, minutesPerMile(pace, GetParam().unit));
}

INSTANTIATE_TEST_SUITE_P(
    Paces, MinutesPerMileTable,
    ::testing::Values(PaceRow{"minPerMile", PaceUnit::MinPerMile, "8:00", 8.0f},
                      PaceRow{"minPerMileDigitsOnly", PaceUnit::MinPerMile, "730", 7.5f},
                      PaceRow{"minPerKm", PaceUnit::MinPerKm, "5:00", 5.0f * 1.609344f},
                      PaceRow{"milesPerHour", PaceUnit::MilesPerHour, "7.5", 8.0f},
                      PaceRow{"milesPerHourApproximate", PaceUnit::MilesPerHour, "~7.5", 8.0f},
                      PaceRow{"kmPerHour", PaceUnit::KmPerHour, "12", 96.56064f / 12.0f},
                      PaceRow{"secPer100Yards", PaceUnit::SecPer100Yards, "90", 90.0f * 17.6f / 60.0f},
                      PaceRow{"secPer100Meters", PaceUnit::SecPer100Meters, "100", 100.0f * 16.09344f / 60.0f},
                      PaceRow{"noUnitGivesZero", PaceUnit::None, "8:00", 0.0f}),
    [](const ::testing::TestParamInfo<PaceRow>& info) { return std::string(info.param.name); });

TEST(Pace, durationPaceIsNormalisedInPlace)
{
    std::string pace = "845";
    expectMinutes(8.75f, minutesPerMile(pace, PaceUnit::MinPerMile));
    EXPECT_EQ("8:45", pace);
}

TEST(Pace, eightMinuteMilesOverSixPointTwoMilesTake49Minutes36)
{
    std::string pace = "8:00";
    float minutes = timeFromPace(SportUnits{DistanceUnit::Miles, PaceUnit::MinPerMile}, 6.2f, pace);
    expectMinutes(49.6f, minutes);
    EXPECT_EQ("49:36", formatTime(minutes));
}

TEST(Pace, distanceFromPaceIsInTheSportsUnit)
{
    std::string pace = "5:00";
    // 50 minutes at 5:00 per kilometre is 10 km.
    float km = distanceFromPace(SportUnits{DistanceUnit::Kilometers, PaceUnit::MinPerKm}, 50.0f, pace);
    EXPECT_NEAR(10.0f, km, 1e-4f);
    std::string mph = "10";
    float miles = distanceFromPace(SportUnits{DistanceUnit::Miles, PaceUnit::MilesPerHour}, 90.0f, mph);
    EXPECT_NEAR(15.0f, miles, 1e-4f);
}

struct PaceFromTimeRow {
    const char* name;
    float minutes;
    float distance;
    DistanceUnit distanceUnit;
    PaceUnit paceUnit;
    float pace;
};

void PrintTo(const PaceFromTimeRow& row, std::ostream* os)
{
    *os << row.name;
}

class PaceFromTimeTable : public ::testing::TestWithParam<PaceFromTimeRow> {};

TEST_P(PaceFromTimeTable, computesPaceInItsUnit)
{
    const auto& r = GetParam();
    EXPECT_NEAR(r.pace, paceFromTime(r.minutes, r.distance, r.distanceUnit, r.paceUnit), 1e-4f * r.pace);
}

INSTANTIATE_TEST_SUITE_P(
    Paces, PaceFromTimeTable,
    ::testing::Values(
        PaceFromTimeRow{"minPerMile", 49.6f, 6.2f, DistanceUnit::Miles, PaceUnit::MinPerMile, 8.0f},
        PaceFromTimeRow{"minPerMileFromKilometres", 50.0f, 10.0f, DistanceUnit::Kilometers, PaceUnit::MinPerMile,
                        50.0f / (10.0f / 1.609344f)},
        PaceFromTimeRow{"minPerKm", 50.0f, 10.0f, DistanceUnit::Kilometers, PaceUnit::MinPerKm, 5.0f},
        PaceFromTimeRow{"milesPerHour", 60.0f, 10.0f, DistanceUnit::Miles, PaceUnit::MilesPerHour, 10.0f},
        PaceFromTimeRow{"kmPerHour", 60.0f, 10.0f, DistanceUnit::Kilometers, PaceUnit::KmPerHour, 10.0f},
        PaceFromTimeRow{"secPer100Yards", 26.4f, 1760.0f, DistanceUnit::Yards, PaceUnit::SecPer100Yards, 90.0f},
        PaceFromTimeRow{"secPer100Meters", 26.8224f, 1609.344f, DistanceUnit::Meters, PaceUnit::SecPer100Meters,
                        100.0f},
        PaceFromTimeRow{"unknownUnitIsMinPerMile", 49.6f, 6.2f, DistanceUnit::Miles, PaceUnit::None, 8.0f}),
    [](const ::testing::TestParamInfo<PaceFromTimeRow>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- missingValue

struct MissingRow {
    const char* name;
    const char* time;
    const char* distance;
    const char* pace;
    MissingValue previous;
    MissingValue result;
};

void PrintTo(const MissingRow& row, std::ostream* os)
{
    *os << row.name;
}

class MissingValueTable : public ::testing::TestWithParam<MissingRow> {};

TEST_P(MissingValueTable, tellsWhichValueCanBeComputed)
{
    const auto& r = GetParam();
    EXPECT_EQ(static_cast<int>(r.result), static_cast<int>(missingValue(r.time, r.distance, r.pace, r.previous)));
}

INSTANTIATE_TEST_SUITE_P(
    Form, MissingValueTable,
    ::testing::Values(
        MissingRow{"timeAndDistanceGivePace", "45:00", "6.2", "", MissingValue::Nothing, MissingValue::Pace},
        MissingRow{"timeAndPaceGiveDistance", "45:00", "", "8:00", MissingValue::Pace, MissingValue::Distance},
        MissingRow{"distanceAndPaceGiveTime", "", "6.2", "8:00", MissingValue::Pace, MissingValue::Time},
        MissingRow{"allThreeKeepPace", "45:00", "6.2", "8:00", MissingValue::Pace, MissingValue::Pace},
        MissingRow{"allThreeKeepTime", "45:00", "6.2", "8:00", MissingValue::Time, MissingValue::Time},
        MissingRow{"allThreeKeepDistance", "45:00", "6.2", "8:00", MissingValue::Distance, MissingValue::Distance},
        MissingRow{"onlyTime", "45:00", "", "", MissingValue::Pace, MissingValue::Nothing},
        MissingRow{"onlyDistance", "", "6.2", "", MissingValue::Pace, MissingValue::Nothing},
        MissingRow{"onlyPace", "", "", "8:00", MissingValue::Pace, MissingValue::Nothing},
        MissingRow{"none", "", "", "", MissingValue::Time, MissingValue::Nothing}),
    [](const ::testing::TestParamInfo<MissingRow>& info) { return std::string(info.param.name); });

// A time already in the form formatting gives is read straight from its
// parts; the same time written another way (a stray point after it, which
// is dropped) goes the long way. Both must give the same float, bit for bit, and the short way must
// keep its text.
TEST(ReadTime, normalisedTimesGiveTheFloatOfTheLongWay)
{
    auto bits = [](float value) {
        std::uint32_t b = 0;
        std::memcpy(&b, &value, sizeof b);
        return b;
    };
    char text[32];
    char padded[32];
    for (int hours : {0, 1, 9, 10, 23, 99}) {
        for (int minutes = 0; minutes < 60; ++minutes) {
            for (int seconds = 0; seconds < 60; ++seconds) {
                for (int tenth : {0, 1, 5, 9}) {
                    if (hours > 0)
                        std::snprintf(text, sizeof text, "%d:%02d:%02d", hours, minutes, seconds);
                    else if (minutes > 0)
                        std::snprintf(text, sizeof text, "%d:%02d", minutes, seconds);
                    else
                        continue;  // "0:ss" is not a normalised form with one digit of minutes
                    std::string normalised = text;
                    if (tenth > 0)
                        normalised += "." + std::to_string(tenth);
                    std::snprintf(padded, sizeof padded, "%s.", normalised.c_str());
                    std::string kept = normalised;
                    const float shortWay = parseTime(kept, true);
                    ASSERT_EQ(bits(parseTime(std::string_view(padded))), bits(shortWay)) << normalised;
                    ASSERT_EQ(normalised, kept);
                    std::string approximate = "~" + normalised;
                    ASSERT_EQ(bits(shortWay), bits(parseTime(approximate, true))) << approximate;
                    ASSERT_EQ("~" + normalised, approximate);
                }
            }
        }
    }
}

}  // namespace
