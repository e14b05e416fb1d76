// The log named at start-up is read on a thread of its own while the window
// is made: what the window then takes over must be what reading the log
// into its own store gives, with the same messages in the same order.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "scripted_prompt.h"
#include "shell/early_log_read.h"

namespace {

std::string dataFile(const char* name)
{
    return std::string(ORV_TEST_DATA_DIR) + "/" + name;
}

std::string bitsOf(float value)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return std::to_string(bits);
}

// Everything a reading fills, as text, so that two stores compare whole.
std::string dump(const LogStore& store)
{
    std::string out = store.fileName + "|" + store.displayName + "|" + std::to_string(store.modified) + "|" +
                      std::to_string(store.entryCount) + "/" + std::to_string(store.shownCount) + "|sport " +
                      std::to_string(store.currentSport) + "\n";
    for (std::size_t i = 0; i <= store.sportCount; ++i) {
        const SportDef& s = store.sports[i];
        out += "sport " + s.name.str() + " " + s.letter + " " + std::to_string(static_cast<int>(s.distanceUnits)) +
               " " + std::to_string(static_cast<int>(s.paceUnits)) + " " + std::to_string(s.calorieIndex) + "\n";
    }
    for (std::size_t i = 0; i < store.routeCount; ++i)
        out += "route " + store.routes[i].text.str() + "\n";
    for (std::size_t i = 0; i < store.keywordCount; ++i)
        out += "keyword " + store.keywords[i].text.str() + "\n";
    for (int v : store.preferences.values)
        out += std::to_string(v) + " ";
    out += "\n";
    for (std::size_t i = 0; i < store.entryCount; ++i) {
        const LogEntry& e = store.entry(i);
        out += e.dateText.str() + "|" + e.kindSport.str() + "|" + e.distanceText.str() + "|" + e.timeText.str() +
               "|" + e.paceText.str() + "|" + e.routeText.str() + "|" + e.commentText.str() + "|" +
               bitsOf(e.distance) + "|" + bitsOf(e.minutes) + "|" + std::to_string(e.dateKey) + "|" +
               std::to_string(e.weekIndex) + "|" + std::to_string(e.monthIndex) + "|" +
               std::to_string(e.sportIndex) + "|" + std::to_string(e.selected) + "\n";
    }
    return out;
}

struct ReadRow {
    const char* name;
    const char* file;
    bool shift;
};

void PrintTo(const ReadRow& row, std::ostream* os)
{
    *os << row.name;
}

class EarlyReadTable : public ::testing::TestWithParam<ReadRow> {};

TEST_P(EarlyReadTable, givesWhatReadingIntoTheStoreGives)
{
    const std::string path = dataFile(GetParam().file);
    ReadOptions options;
    options.isDefaultLog = true;
    options.calorieSportNames = {"Default", "Running"};

    LogStore direct;
    direct.setFileName(path);
    ScriptedPrompt directPrompt;
    directPrompt.shift = GetParam().shift;
    const ReadResult directResult = readLog(direct, directPrompt, options);

    LogStore window;
    window.setFileName(path);
    ScriptedPrompt windowPrompt;
    windowPrompt.shift = GetParam().shift;
    EarlyLogRead early(path, options);
    const ReadResult earlyResult = early.finish(window, windowPrompt);

    EXPECT_EQ(directResult, earlyResult);
    EXPECT_EQ(dump(direct), dump(window));
    EXPECT_EQ(directPrompt.lines(), windowPrompt.lines());
    EXPECT_EQ(0, windowPrompt.busyDepth);
}

INSTANTIATE_TEST_SUITE_P(
    Logs, EarlyReadTable,
    ::testing::Values(ReadRow{"completeLog", "complete_log.dat", false},
                      ReadRow{"threeSports", "spring_2002_three_sports.dat", false},
                      ReadRow{"timesNormalisedWithWarnings", "times_to_normalise.dat", false},
                      ReadRow{"timeWithThreeColons", "time_with_three_colons.dat", false},
                      ReadRow{"badDatesWithoutShift", "bad_dates.dat", false},
                      ReadRow{"badDatesWithShiftShowsEachLine", "bad_dates.dat", true},
                      ReadRow{"nulBytes", "nul_byte_in_entries.dat", false},
                      ReadRow{"notALog", "not_a_log.dat", false}, ReadRow{"missing", "no_such_log.dat", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EarlyRead, aLogWithoutSportsKeepsTheWindowsCurrentSport)
{
    // No entry names a sport, so reading looks none up: the form's stays.
    const std::string path = dataFile("no_such_log.dat");
    LogStore window;
    window.setFileName(path);
    window.currentSport = 2;
    ScriptedPrompt prompt;
    EarlyLogRead early(path, ReadOptions{});
    EXPECT_EQ(ReadResult::NotFound, early.finish(window, prompt));
    EXPECT_EQ(2, window.currentSport);
    EXPECT_EQ(1u, prompt.shown.size()) << "the not-found message, once";
}

}  // namespace
