// A time already in the form that formatting writes is kept as it stands;
// that shortcut must give exactly what formatting would.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "values/time_value.h"

namespace {

std::string canonical(int hours, int minutes, int seconds, int tenth)
{
    char text[32];
    int n = hours > 0 ? std::snprintf(text, sizeof text, "%d:%02d:%02d", hours, minutes, seconds)
                      : std::snprintf(text, sizeof text, "%d:%02d", minutes, seconds);
    if (tenth > 0)
        n += std::snprintf(text + n, sizeof text - static_cast<std::size_t>(n), ".%d", tenth);
    return std::string(text, static_cast<std::size_t>(n));
}

TEST(TimeRoundTrip, normalisedTextsBelowOneHundredHoursComeBackUnchanged)
{
    int checked = 0;
    // Every hour and minute, a spread of seconds and tenths.
    for (int h = 0; h < 100; ++h)
        for (int m = (h == 0 ? 1 : 0); m < 60; ++m)
            for (int s = (h + m) % 7; s < 60; s += 7)
                for (int d = 0; d < 10; d += 3) {
                    const std::string text = canonical(h, m, s, d);
                    std::string normalised = text;
                    const float minutes = parseTime(normalised, true);
                    ASSERT_EQ(normalised, formatTime(minutes)) << text;
                    ASSERT_EQ(normalised, text);
                    ++checked;
                }
    EXPECT_GT(checked, 100000);
}

TEST(TimeRoundTrip, textsThatOnlyLookNormalisedAreFormattedAnew)
{
    struct Row {
        const char* typed;
        const char* normalised;
    };
    const Row rows[] = {
        {"05:00", "5:00"},         {"75:00", "1:15:00"}, {"1:05:00.0", "1:05:00"},
        {"~01:30:00", "~1:30:00"}, {"0:45", "0:45"},     {"45", "45:00"},
    };
    for (const Row& row : rows) {
        std::string text = row.typed;
        parseTime(text, true);
        EXPECT_EQ(text, row.normalised) << row.typed;
    }
}

// Under a minute the text keeps "0:" before the seconds: "45" alone reads
// back as 45 minutes.
TEST(TimeRoundTrip, timesUnderAMinuteReadBackAsTheSameSeconds)
{
    for (int tenths = 1; tenths < 600; ++tenths) {
        const float minutes = static_cast<float>(tenths) / 600.0f;
        const std::string written = formatTime(minutes);
        std::string again = written;
        const float read = parseTime(again, true);
        ASSERT_NEAR(read, minutes, 0.5f / 600.0f) << written;
        ASSERT_EQ(again, written);
    }
}

// A time of 100 hours or more does not fit its field: typing one is refused
// with a message and the box emptied; below that it is kept.
TEST(TimeRoundTrip, typedTimesOfOneHundredHoursOrMoreAreRefused)
{
    for (const char* typed : {"100:00:00", "~100:00:01", "150:00:00", "1234:56:00"}) {
        std::vector<std::string> warnings;
        std::string text = typed;
        const float minutes = parseTime(text, true, [&](const std::string& w) { warnings.push_back(w); });
        EXPECT_EQ(text, "") << typed;
        EXPECT_EQ(minutes, 0.0f) << typed;
        EXPECT_EQ(warnings, std::vector<std::string>{kTimeTooLong}) << typed;
    }
    std::string text = "99:59:59";
    std::vector<std::string> warnings;
    parseTime(text, true, [&](const std::string& w) { warnings.push_back(w); });
    EXPECT_EQ(text, "99:59:59");
    EXPECT_TRUE(warnings.empty());
}

}  // namespace
