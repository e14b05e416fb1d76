// Reading a log file: its sections, line ends, entry lines, the limits of the
// store, broken files and the messages the user sees.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "core_test_support.h"
#include "log/log_reader.h"
#include "log/log_writer.h"
#include "log/messages.h"
#include "values/time_value.h"

namespace {

using orvtest::addSport;
using orvtest::dataFile;
using orvtest::makeStore;
using orvtest::readBytes;
using orvtest::writeBytes;

const std::string kRejected = std::string(msg::kCaption) + ": " + msg::kRejectedData;

std::string printf1(const char* format, const std::string& text)
{
    char buf[2048];
    std::snprintf(buf, sizeof buf, format, text.c_str());
    return buf;
}

std::string printf2(const char* format, const std::string& text, int number)
{
    char buf[2048];
    std::snprintf(buf, sizeof buf, format, text.c_str(), number);
    return buf;
}

// Everything a log file gives, as text, so that two reads can be compared whole.
std::string dump(const LogStore& store)
{
    std::string out;
    char buf[128];
    for (std::size_t i = 0; i <= store.sportCount; ++i) {
        const SportDef& s = store.sports[i];
        std::snprintf(buf, sizeof buf, "sport %zu [%s] %c %d %d\n", i, s.name.c_str(), s.letter,
                      static_cast<int>(s.distanceUnits), static_cast<int>(s.paceUnits));
        out += buf;
    }
    out += "preferences";
    for (int v : store.preferences.values)
        out += " " + std::to_string(v);
    out += "\n";
    for (std::size_t i = 0; i < store.routeCount; ++i)
        out += "route [" + store.routes[i].text.str() + "]\n";
    for (std::size_t i = 0; i < store.keywordCount; ++i)
        out += "keyword [" + store.keywords[i].text.str() + "]\n";
    for (std::size_t i = 0; i < store.entryCount; ++i) {
        const LogEntry& e = store.entry(i);
        std::snprintf(buf, sizeof buf, "entry %d %u %u %d %d %.4f %.4f |", e.selected, e.sportIndex, e.dateKey,
                      e.weekIndex, e.monthIndex, e.distance, e.minutes);
        out += buf;
        for (const char* t : {e.dateText.c_str(), e.kindSport.c_str(), e.distanceText.c_str(), e.timeText.c_str(),
                              e.paceText.c_str(), e.routeText.c_str(), e.commentText.c_str()})
            out += std::string(t) + "|";
        out += "\n";
    }
    return out;
}

std::vector<std::string> comments(const LogStore& store)
{
    std::vector<std::string> out;
    for (std::size_t i = 0; i < store.entryCount; ++i)
        out.push_back(store.entry(i).commentText.str());
    return out;
}

class ReadLog : public orvtest::TempDirTest {
protected:
    ReadResult read(const std::string& path, const ReadOptions& options = {})
    {
        store->clearForRead();
        store->setFileName(path);
        return readLog(*store, prompt, options);
    }
    ReadResult readData(std::string_view name) { return read(dataFile(name)); }

    std::unique_ptr<LogStore> store = makeStore();
    ScriptedPrompt prompt;
};

// ---------------------------------------------------------------- a complete log

TEST_F(ReadLog, completeLogFillsSportsPreferencesRoutesKeywordsAndEntries)
{
    store->modified = true;
    ASSERT_EQ(ReadResult::Ok, readData("complete_log.dat"));
    EXPECT_EQ(std::vector<std::string>{}, prompt.lines());

    ASSERT_EQ(3, store->sportCount);
    EXPECT_EQ("None", store->sports[0].name.str());
    EXPECT_EQ("Running", store->sports[1].name.str());
    EXPECT_EQ('R', store->sports[1].letter);
    EXPECT_EQ(DistanceUnit::Miles, store->sports[1].distanceUnits);
    EXPECT_EQ(PaceUnit::MinPerMile, store->sports[1].paceUnits);
    EXPECT_EQ("Cycling", store->sports[2].name.str());
    EXPECT_EQ(DistanceUnit::Kilometers, store->sports[2].distanceUnits);
    EXPECT_EQ(PaceUnit::KmPerHour, store->sports[2].paceUnits);
    EXPECT_EQ("Yoga", store->sports[3].name.str());
    EXPECT_EQ('Y', store->sports[3].letter);
    EXPECT_EQ(DistanceUnit::None, store->sports[3].distanceUnits);
    EXPECT_EQ(PaceUnit::None, store->sports[3].paceUnits);

    EXPECT_EQ((std::array<std::int32_t, 7>{1, 1, 1, 1, 3, 1, 0}), store->preferences.values);
    EXPECT_EQ((CalendarDate{1950, 1, 1}), store->weekOrigin);

    ASSERT_EQ(2, store->routeCount);
    EXPECT_EQ("Park loop\tTR\t5.0M\t\t\tPark loop twice\t\t", store->routes[0].text.str());
    EXPECT_EQ("Hill repeats\tIR\t\t\t\t6 x 400m\tHard\t", store->routes[1].text.str());
    ASSERT_EQ(2, store->keywordCount);
    EXPECT_EQ("3\tShoe\tShoes worn", store->keywords[0].text.str());
    EXPECT_EQ("1\tWt\tWeight", store->keywords[1].text.str());

    ASSERT_EQ(5, store->entryCount);
    EXPECT_EQ(5, store->shownCount);
    EXPECT_FALSE(store->modified);
    const LogEntry& first = store->entry(0);
    EXPECT_EQ("03/19/02", first.dateText.str());
    EXPECT_EQ("TR", first.kindSport.str());
    EXPECT_EQ("5.2M", first.distanceText.str());
    EXPECT_EQ("45:30", first.timeText.str());
    EXPECT_EQ("8:45", first.paceText.str());
    EXPECT_EQ("River loop", first.routeText.str());
    EXPECT_EQ("Easy day Shoe=Pegasus", first.commentText.str());
    EXPECT_EQ(1, first.sportIndex);
    EXPECT_EQ(1020319u, first.dateKey);
    EXPECT_EQ(1226, first.monthIndex);
    EXPECT_EQ(2724, first.weekIndex);
    EXPECT_NEAR(5.2f, first.distance, 1e-6f);
    EXPECT_NEAR(45.5f, first.minutes, 1e-6f);

    EXPECT_EQ(2, store->entry(2).sportIndex);
    EXPECT_NEAR(20.5f, store->entry(2).distance, 1e-6f);
    EXPECT_NEAR(62.0f, store->entry(2).minutes, 1e-6f);
    EXPECT_EQ(3, store->entry(3).sportIndex);
    EXPECT_EQ(0.0f, store->entry(3).distance);
    EXPECT_EQ(2725, store->entry(3).weekIndex);
    for (std::size_t i = 0; i < store->entryCount; ++i)
        EXPECT_EQ(1, store->entry(i).selected) << i;
}

TEST_F(ReadLog, sportsListResetsSportNone)
{
    store->sports[0].name = "Junk";
    store->sports[0].letter = 'J';
    ASSERT_EQ(ReadResult::Ok, readData("complete_log.dat"));
    EXPECT_EQ("None", store->sports[0].name.str());
    EXPECT_EQ(' ', store->sports[0].letter);
}

TEST_F(ReadLog, headerAloneIsAnEmptyLog)
{
    writeBytes(path("header.dat"), "Sports List:");
    EXPECT_EQ(ReadResult::Ok, read(path("header.dat")));
    EXPECT_EQ(0, store->sportCount);
    EXPECT_EQ(0, store->entryCount);
    EXPECT_EQ(std::vector<std::string>{}, prompt.lines());
}

TEST_F(ReadLog, oneLetterKindSportIsSportNone)
{
    ASSERT_EQ(ReadResult::Ok, readData("complete_log.dat"));
    const LogEntry& last = store->entry(4);
    EXPECT_EQ("T", last.kindSport.str());
    EXPECT_EQ(0, last.sportIndex);
}

TEST_F(ReadLog, namesTheLogInTheTitleAndShowsTheBusyCursor)
{
    ASSERT_EQ(ReadResult::Ok, readData("complete_log.dat"));
    EXPECT_EQ("complete_log", store->displayName);
    EXPECT_EQ("The Orvanta - complete_log, 5/5 entries", store->title());
    EXPECT_EQ(dataFile("complete_log.dat"), store->fileName);
    EXPECT_EQ(0, prompt.busyDepth);
    EXPECT_GE(prompt.busyCalls, 2);
}

TEST_F(ReadLog, entriesKeepTheOrderOfTheFile)
{
    ASSERT_EQ(ReadResult::Ok, readData("unsorted_entries.dat"));
    EXPECT_EQ((std::vector<std::string>{"second day", "first day", "second day again"}), comments(*store));
}

TEST_F(ReadLog, calorieIndexIsTheLastMatchingFactorElseDefault)
{
    ReadOptions options;
    options.calorieSportNames = {"Default", "Running", "Cycling", "Running"};
    ASSERT_EQ(ReadResult::Ok, read(dataFile("complete_log.dat"), options));
    EXPECT_EQ(3, store->sports[1].calorieIndex);
    EXPECT_EQ(2, store->sports[2].calorieIndex);
    EXPECT_EQ(0, store->sports[3].calorieIndex);

    options.calorieSportNames = {"Running"};
    ASSERT_EQ(ReadResult::Ok, read(dataFile("complete_log.dat"), options));
    EXPECT_EQ(0, store->sports[1].calorieIndex);
    EXPECT_EQ(-1, store->sports[2].calorieIndex);
}

TEST(CalorieIndex, lastNameWinsThenLastDefaultThenNothing)
{
    std::vector<std::string> names{"Default", "Running", "Default", "Running", "Swimming"};
    EXPECT_EQ(3, calorieIndexFor("Running", names));
    EXPECT_EQ(4, calorieIndexFor("Swimming", names));
    EXPECT_EQ(2, calorieIndexFor("Rowing", names));
    EXPECT_EQ(-1, calorieIndexFor("Rowing", {"Running"}));
    EXPECT_EQ(-1, calorieIndexFor("running", {"Running"}));
}

// ---------------------------------------------------------------- line ends

TEST_F(ReadLog, lfCrLfAndCrLineEndsReadTheSame)
{
    ASSERT_EQ(ReadResult::Ok, readData("complete_log.dat"));
    const std::string crlf = dump(*store);
    ASSERT_EQ(ReadResult::Ok, readData("lf_only.dat"));
    EXPECT_EQ(crlf, dump(*store));
    ASSERT_EQ(ReadResult::Ok, readData("cr_only.dat"));
    EXPECT_EQ(crlf, dump(*store));
    EXPECT_EQ(std::vector<std::string>{}, prompt.lines());
}

TEST_F(ReadLog, crInsideALineIsDroppedWhenLinesEndInLf)
{
    ASSERT_EQ(ReadResult::Ok, readData("cr_inside_line.dat"));
    ASSERT_EQ(2, store->entryCount);
    EXPECT_EQ("Riverloop", store->entry(0).routeText.str());
    EXPECT_EQ("Easy day", store->entry(0).commentText.str());
}

TEST_F(ReadLog, emptyLineEndsTheReading)
{
    ASSERT_EQ(ReadResult::Ok, readData("empty_line_in_middle.dat"));
    EXPECT_EQ((std::vector<std::string>{"first", "second"}), comments(*store));
    EXPECT_EQ(std::vector<std::string>{}, prompt.lines());
}

struct SplitRow {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
};

void PrintTo(const SplitRow& row, std::ostream* os)
{
    *os << row.name;
}

class SplitLinesTable : public ::testing::TestWithParam<SplitRow> {};

TEST_P(SplitLinesTable, splitsAsTheReaderTakesLines)
{
    std::string buffer = GetParam().bytes;
    std::vector<std::string_view> got = splitLines(buffer);
    std::vector<std::string> lines(got.begin(), got.end());
    // A line end at the very end may or may not leave an empty last line.
    while (lines.size() > GetParam().lines.size() && lines.back().empty())
        lines.pop_back();
    EXPECT_EQ(GetParam().lines, lines);
}

INSTANTIATE_TEST_SUITE_P(LineEnds, SplitLinesTable,
                         ::testing::Values(SplitRow{"crlf", "a\r\nb\r\n", {"a", "b"}},
                                           SplitRow{"lfOnly", "a\nb", {"a", "b"}},
                                           SplitRow{"crOnly", "a\rb\rc", {"a", "b", "c"}},
                                           SplitRow{"crInsideLineDroppedWithLf", "a\r\nb\rc\n", {"a", "bc"}},
                                           SplitRow{"emptyLineKept", "a\r\n\r\nb\r\n", {"a", "", "b"}},
                                           SplitRow{"emptyLineKeptCrOnly", "a\r\rb\r", {"a", "", "b"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SplitLines, aNulEndsNeitherTheTextNorItsLine)
{
    std::string buffer("a\rb\r", 4);
    buffer += '\0';
    buffer += "c\nd";
    std::vector<std::string_view> got = splitLines(buffer);
    ASSERT_EQ(2u, got.size());
    EXPECT_EQ(std::string_view("ab\0c", 4), got[0]);
    EXPECT_EQ("d", got[1]);
}

TEST_F(ReadLog, readWholeFileGivesEveryByteOrTheError)
{
    std::string buffer;
    int error = 0;
    ASSERT_TRUE(readWholeFile(dataFile("binary_junk.dat"), buffer, error));
    EXPECT_EQ(readBytes(dataFile("binary_junk.dat")), buffer);
    EXPECT_FALSE(readWholeFile(path("missing.dat"), buffer, error));
    EXPECT_EQ(ENOENT, error);
}

// ---------------------------------------------------------------- sections

TEST_F(ReadLog, sectionsComeInAnyOrderAndTakeTheirLinesByCount)
{
    ASSERT_EQ(ReadResult::Ok, readData("sections_in_any_order.dat"));
    EXPECT_EQ(std::vector<std::string>{}, prompt.lines());
    EXPECT_EQ(1, store->sportCount);
    ASSERT_EQ(1, store->keywordCount);
    EXPECT_EQ("Routes: 5", store->keywords[0].text.str());
    ASSERT_EQ(1, store->routeCount);
    EXPECT_EQ("03/23/02\tTR\t5M\t\t\tTaken as a route\t\t", store->routes[0].text.str());
    EXPECT_EQ((std::array<std::int32_t, 7>{2, 2, 1, 1, 3, 0, 0}), store->preferences.values);
    EXPECT_EQ((CalendarDate{1950, 1, 1}), store->weekOrigin);
    EXPECT_EQ((std::vector<std::string>{"before the other sections", "after them"}), comments(*store));
}

TEST_F(ReadLog, keywordsWithoutColonStillStartsTheKeywordSection)
{
    ASSERT_EQ(ReadResult::Ok, readData("keywords_without_colon.dat"));
    EXPECT_EQ(std::vector<std::string>{}, prompt.lines());
    EXPECT_EQ(0, store->keywordCount);
    EXPECT_EQ((std::vector<std::string>{"first", "second"}), comments(*store));
}

TEST_F(ReadLog, preferencesThatAreMissingKeepTheirValue)
{
    ASSERT_EQ(ReadResult::Ok, readData("preferences_missing_numbers.dat"));
    EXPECT_EQ((std::array<std::int32_t, 7>{2, 2, 1, 1, 1, 1, 0}), store->preferences.values);
}

TEST_F(ReadLog, preferencesAcceptAnyWhiteSpaceAndSetTheWeekOrigin)
{
    ASSERT_EQ(ReadResult::Ok, readData("preferences_with_tabs.dat"));
    EXPECT_EQ((std::array<std::int32_t, 7>{2, 2, 2, 2, 2, 7, 9}), store->preferences.values);
    EXPECT_EQ((CalendarDate{1950, 1, 7}), store->weekOrigin);
}

TEST_F(ReadLog, sportLinesUseOnlyTheirFirst30Characters)
{
    ASSERT_EQ(ReadResult::Ok, readData("sport_line_over_30_chars.dat"));
    ASSERT_EQ(2, store->sportCount);
    EXPECT_EQ("Twenty-six letter sport ab", store->sports[1].name.str());
    EXPECT_EQ('R', store->sports[1].letter);
    EXPECT_EQ(DistanceUnit::Miles, store->sports[1].distanceUnits);
    EXPECT_EQ(PaceUnit::None, store->sports[1].paceUnits);  // only "m" of "mpm" is inside the 30
    EXPECT_EQ("Long distance run with names", store->sports[2].name.str());
    EXPECT_EQ('L', store->sports[2].letter);
    EXPECT_EQ(DistanceUnit::None, store->sports[2].distanceUnits);
    EXPECT_EQ(PaceUnit::None, store->sports[2].paceUnits);
}

// ---------------------------------------------------------------- entry lines

TEST_F(ReadLog, longFieldsAreCutToTheirWidth)
{
    ASSERT_EQ(ReadResult::Ok, readData("long_fields.dat"));
    const std::string file = readBytes(dataFile("long_fields.dat"));
    const std::size_t start = file.find("Long route");
    const std::string routeLine = file.substr(start, file.find("\r\n", start) - start);
    ASSERT_GT(routeLine.size(), 611u);

    ASSERT_EQ(1, store->routeCount);
    EXPECT_EQ(routeLine.substr(0, 611), store->routes[0].text.str());
    ASSERT_EQ(1, store->keywordCount);
    EXPECT_EQ("3\tLong\t" + std::string(56, 'K'), store->keywords[0].text.str());

    ASSERT_EQ(1, store->entryCount);
    const LogEntry& e = store->entry(0);
    EXPECT_EQ("03/21/02x", e.dateText.str());
    EXPECT_EQ(1020321u, e.dateKey);
    EXPECT_EQ("TRX", e.kindSport.str());
    EXPECT_EQ(1, e.sportIndex);
    EXPECT_EQ("123456789", e.distanceText.str());
    // "0001:02:03" is cut to "0001:02:0" before it is read: 1 hour 2 minutes.
    EXPECT_EQ("1:02:00", e.timeText.str());
    EXPECT_NEAR(62.0f, e.minutes, 1e-5f);
    EXPECT_EQ("8:45 per ", e.paceText.str());
    EXPECT_EQ(std::string(511, 'r'), e.routeText.str());
    EXPECT_EQ(std::string(511, 'c'), e.commentText.str());
}

TEST_F(ReadLog, entryLineWithoutTabIsRejectedAndReportedOnce)
{
    ASSERT_EQ(ReadResult::Ok, readData("entry_without_tab.dat"));
    EXPECT_EQ((std::vector<std::string>{"first", "third"}), comments(*store));
    ASSERT_EQ((std::vector<std::string>{kRejected}), prompt.lines());
    EXPECT_EQ(UserPrompt::Icon::Information, prompt.shown[0].icon);
}

TEST_F(ReadLog, entryLinesWithBadDatesAreRejected)
{
    ASSERT_EQ(ReadResult::Ok, readData("bad_dates.dat"));
    EXPECT_EQ((std::vector<std::string>{"good"}), comments(*store));
    EXPECT_EQ((std::vector<std::string>{kRejected}), prompt.lines());
}

TEST_F(ReadLog, shiftHeldShowsEachRejectedLine)
{
    prompt.shift = true;
    ASSERT_EQ(ReadResult::Ok, readData("bad_dates.dat"));
    const std::string bad = msg::kBadEntryCaption;
    EXPECT_EQ((std::vector<std::string>{bad + ": 2002/03/21\tTR\t3M\t24:00\t8:00\t\tiso date",
                                        bad + ": March 21\tTR\t3M\t\t\t\tin words",
                                        bad + ": 03-22-02\tTR\t3M\t\t\t\tdashes", kRejected}),
              prompt.lines());
    for (std::size_t i = 0; i + 1 < prompt.shown.size(); ++i)
        EXPECT_EQ(UserPrompt::Buttons::Ok, prompt.shown[i].buttons) << i;
    EXPECT_EQ(std::vector<std::string>{}, prompt.unexpected);
}

TEST_F(ReadLog, dayFirstLogReadsDayBeforeMonthAndKeepsTheTextAsTyped)
{
    ASSERT_EQ(ReadResult::Ok, readData("day_first_log.dat"));
    ASSERT_EQ(2, store->entryCount);
    EXPECT_EQ(1020321u, store->entry(0).dateKey);
    EXPECT_EQ(1226, store->entry(0).monthIndex);
    EXPECT_EQ("5/4/03", store->entry(1).dateText.str());
    EXPECT_EQ(1030405u, store->entry(1).dateKey);
}

TEST_F(ReadLog, oneDigitMonthIsAcceptedAndKeptAsTyped)
{
    ASSERT_EQ(ReadResult::Ok, readData("month_first_one_digit_month.dat"));
    ASSERT_EQ(1, store->entryCount);
    EXPECT_EQ("3/21/02", store->entry(0).dateText.str());
    EXPECT_EQ(1020321u, store->entry(0).dateKey);
}

TEST_F(ReadLog, distancesAreConvertedIntoTheSportsUnitAndTheTextKept)
{
    ASSERT_EQ(ReadResult::Ok, readData("distance_units.dat"));
    struct Expect {
        const char* text;
        float distance;
    };
    const std::vector<Expect> expected{{"10K", 6.2137119f}, {"~10K", 6.2137119f}, {"5.2", 5.2f}, {"1760Y", 1.0f},
                                       {"20M", 32.18688f},  {"1500m", 1.5f},      {"5K", 0.0f},  {"5K", 0.0f}};
    ASSERT_EQ(expected.size(), store->entryCount);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(expected[i].text, store->entry(i).distanceText.str()) << store->entry(i).commentText.c_str();
        EXPECT_NEAR(expected[i].distance, store->entry(i).distance, 1e-5f * (1.0f + expected[i].distance))
            << store->entry(i).commentText.c_str();
    }
    EXPECT_EQ(0, store->entry(7).sportIndex);
}

TEST_F(ReadLog, timesAreNormalisedAndTheirMessagesShown)
{
    ASSERT_EQ(ReadResult::Ok, readData("times_to_normalise.dat"));
    ASSERT_EQ(3, store->entryCount);
    EXPECT_EQ("45:30", store->entry(0).timeText.str());
    EXPECT_NEAR(45.5f, store->entry(0).minutes, 1e-5f);
    EXPECT_EQ("1:02:34", store->entry(1).timeText.str());
    EXPECT_EQ("~1:30:00", store->entry(2).timeText.str());
    EXPECT_NEAR(90.0f, store->entry(2).minutes, 1e-5f);
    EXPECT_EQ((std::vector<std::string>{std::string(kInputErrorCaption) + ": " + kTooManyColons}), prompt.lines());
    ASSERT_EQ(1u, prompt.shown.size());
    EXPECT_EQ(UserPrompt::Icon::Warning, prompt.shown[0].icon);
}

// ---------------------------------------------------------------- parseEntryLine

class ParseEntryLine : public ::testing::Test {
protected:
    void SetUp() override
    {
        addSport(*store, "Running", 'R', DistanceUnit::Miles, PaceUnit::MinPerMile);
        store->setWeekStart(3);
    }
    bool parse(std::string_view line, bool relative = false)
    {
        entry = LogEntry{};
        entry.commentText = "left over";
        badData = false;
        return parseEntryLine(line, relative, entry, badData, *store, prompt);
    }

    std::unique_ptr<LogStore> store = makeStore();
    ScriptedPrompt prompt;
    LogEntry entry;
    bool badData = false;
};

TEST_F(ParseEntryLine, fillsEveryFieldAndSelects)
{
    ASSERT_TRUE(parse("03/21/02\tTR\t5.2M\t45:30\t8:45\tRiver loop\tEasy day"));
    EXPECT_FALSE(badData);
    EXPECT_EQ("03/21/02", entry.dateText.str());
    EXPECT_EQ("TR", entry.kindSport.str());
    EXPECT_EQ("5.2M", entry.distanceText.str());
    EXPECT_EQ("45:30", entry.timeText.str());
    EXPECT_EQ("8:45", entry.paceText.str());
    EXPECT_EQ("River loop", entry.routeText.str());
    EXPECT_EQ("Easy day", entry.commentText.str());
    EXPECT_EQ(1, entry.selected);
    EXPECT_EQ(1, entry.sportIndex);
    EXPECT_EQ(1, store->currentSport);
    EXPECT_EQ(1020321u, entry.dateKey);
    EXPECT_EQ(2724, entry.weekIndex);
    EXPECT_EQ(1226, entry.monthIndex);
}

TEST_F(ParseEntryLine, missingFieldsAreEmptyInACleanRecord)
{
    ASSERT_TRUE(parse("03/21/02\tTR"));
    EXPECT_EQ("", entry.distanceText.str());
    EXPECT_EQ("", entry.timeText.str());
    EXPECT_EQ("", entry.paceText.str());
    EXPECT_EQ("", entry.routeText.str());
    EXPECT_EQ("", entry.commentText.str());
    EXPECT_EQ(0.0f, entry.distance);
    EXPECT_EQ(0.0f, entry.minutes);
}

TEST_F(ParseEntryLine, emptyLineMakesNoEntryAndIsNoError)
{
    EXPECT_FALSE(parse(""));
    EXPECT_FALSE(badData);
}

struct RejectRow {
    const char* name;
    const char* line;
    bool relative;
};

void PrintTo(const RejectRow& row, std::ostream* os)
{
    *os << row.name;
}

class RejectedLines : public ParseEntryLine, public ::testing::WithParamInterface<RejectRow> {};

TEST_P(RejectedLines, setBadDataAndMakeNoEntry)
{
    store->trainingReference = CalendarDate{2004, 3, 28};
    EXPECT_FALSE(parse(GetParam().line, GetParam().relative));
    EXPECT_TRUE(badData);
    EXPECT_EQ(std::vector<std::string>{}, prompt.lines());
}

INSTANTIATE_TEST_SUITE_P(EntryLines, RejectedLines,
                         ::testing::Values(RejectRow{"validDateWithoutTab", "03/21/02", false},
                                           RejectRow{"validDateBlanksInsteadOfTabs", "03/21/02 TR 5M", false},
                                           RejectRow{"slashTooLate", "2002/03/21\tTR", false},
                                           RejectRow{"dashes", "03-21-02\tTR", false},
                                           RejectRow{"words", "March 21\tTR", false},
                                           RejectRow{"relativeWithoutMinus", "5\tTR", true},
                                           RejectRow{"relativeMinusWithoutNumber", "-x\tTR", true},
                                           RejectRow{"relativeGivenADate", "03/21/02\tTR", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ParseEntryLine, slashAsSecondCharacterIsAccepted)
{
    ASSERT_TRUE(parse("1/2/03\tTR"));
    EXPECT_EQ(1030102u, entry.dateKey);
}

TEST_F(ParseEntryLine, dayFirstFormatReadsDayFirst)
{
    store->setDateFormat(2);
    ASSERT_TRUE(parse("21/03/02\tTR"));
    EXPECT_EQ(1020321u, entry.dateKey);
    EXPECT_EQ("21/03/02", entry.dateText.str());
}

TEST_F(ParseEntryLine, relativeDateCountsBackFromTheReference)
{
    store->trainingReference = CalendarDate{2004, 3, 28};
    ASSERT_TRUE(parse("-27\tTR\t5M\t40:00\t\tTempo\t", true));
    EXPECT_EQ("03/01/04", entry.dateText.str());
    EXPECT_EQ(1040301u, entry.dateKey);
    EXPECT_EQ("Tempo", entry.routeText.str());
    ASSERT_TRUE(parse("-0\tTR", true));
    EXPECT_EQ("03/28/04", entry.dateText.str());
    EXPECT_EQ(1040328u, entry.dateKey);

    store->setDateFormat(2);
    ASSERT_TRUE(parse("-14\tTR", true));
    EXPECT_EQ("14/03/04", entry.dateText.str());
    EXPECT_EQ(1040314u, entry.dateKey);
    EXPECT_EQ(monthIndexOf(CalendarDate{2004, 3, 14}), entry.monthIndex);
}

TEST_F(ParseEntryLine, shortKindSportIsSportNoneAndUnknownLetterToo)
{
    ASSERT_TRUE(parse("03/21/02\tT\t5K"));
    EXPECT_EQ(0, entry.sportIndex);
    EXPECT_EQ(0.0f, entry.distance);
    ASSERT_TRUE(parse("03/21/02\tTZ\t5K"));
    EXPECT_EQ(0, entry.sportIndex);
    EXPECT_EQ(0.0f, entry.distance);
}

TEST_F(ParseEntryLine, kilometresForAMilesSportAreConvertedTextKept)
{
    ASSERT_TRUE(parse("03/21/02\tTR\t10K"));
    EXPECT_EQ("10K", entry.distanceText.str());
    EXPECT_NEAR(6.2137119f, entry.distance, 1e-5f);
}

TEST_F(ParseEntryLine, extraPointInTheTimeShowsTheTimeAsTyped)
{
    ASSERT_TRUE(parse("03/21/02\tTR\t\t1.2.3"));
    EXPECT_EQ("1:00.2", entry.timeText.str());
    EXPECT_EQ((std::vector<std::string>{std::string(kInputErrorCaption) + ": 1.2.3"}), prompt.lines());
}

TEST_F(ParseEntryLine, twoDigitYearBelow50IsThe2000s)
{
    ASSERT_TRUE(parse("01/05/49\tTR"));
    EXPECT_EQ(1490105u, entry.dateKey);
    ASSERT_TRUE(parse("01/05/50\tTR"));
    EXPECT_EQ(500105u, entry.dateKey);
}

// ---------------------------------------------------------------- messages

TEST_F(ReadLog, missingDefaultLogNamesItAsTheDefault)
{
    const std::string missing = path("Gone.dat");
    ReadOptions options;
    options.isDefaultLog = true;
    EXPECT_EQ(ReadResult::NotFound, read(missing, options));
    EXPECT_EQ((std::vector<std::string>{
                  "Orvanta: Couldn't find default log " + missing +
                  ". Use File->Open to open a log or File->New to start a new log, then use Special->Log->Make "
                  "Default Log to designate a new default log."}),
              prompt.lines());
    EXPECT_EQ(UserPrompt::Icon::Information, prompt.shown[0].icon);
}

TEST_F(ReadLog, missingLogOrFolder)
{
    const std::string missing = path("nowhere/Gone.dat");
    EXPECT_EQ(ReadResult::NotFound, read(missing));
    EXPECT_EQ((std::vector<std::string>{"Orvanta: Couldn't find " + missing +
                                        ". Use File->Open to open a log or File->New to start a new log."}),
              prompt.lines());
    EXPECT_EQ(0, store->entryCount);
    EXPECT_EQ(0, prompt.busyDepth);
}

TEST_F(ReadLog, fileThatIsNotALogLeavesTheStoreEmpty)
{
    EXPECT_EQ(ReadResult::NotALog, readData("not_a_log.dat"));
    EXPECT_EQ((std::vector<std::string>{std::string("Orvanta: ") + msg::kNotALog}), prompt.lines());
    EXPECT_EQ(UserPrompt::Icon::Information, prompt.shown[0].icon);
    EXPECT_EQ(0, store->entryCount);
    EXPECT_EQ(0, store->sportCount);
}

TEST_F(ReadLog, emptyFileIsNotALog)
{
    writeBytes(path("empty.dat"), "");
    EXPECT_EQ(ReadResult::NotALog, read(path("empty.dat")));
    EXPECT_EQ((std::vector<std::string>{std::string("Orvanta: ") + msg::kNotALog}), prompt.lines());
}

TEST_F(ReadLog, otherOpenErrorsGiveTheSystemErrorNumber)
{
    const std::string loop = path("loop.dat");
    ASSERT_EQ(0, symlink(loop.c_str(), loop.c_str()));
    EXPECT_EQ(ReadResult::OpenFailed, read(loop));
    EXPECT_EQ((std::vector<std::string>{"Orvanta: " + printf2(msg::kProblemOpening, loop, ELOOP)}), prompt.lines());
}

TEST_F(ReadLog, unreadableFileIsAnAccessProblem)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "file permissions do not stop root";
    const std::string locked = path("locked.dat");
    writeBytes(locked, readBytes(dataFile("complete_log.dat")));
    ASSERT_EQ(0, chmod(locked.c_str(), 0));
    EXPECT_EQ(ReadResult::OpenFailed, read(locked));
    EXPECT_EQ((std::vector<std::string>{"Orvanta: " + printf1(msg::kProblemAccessing, locked)}), prompt.lines());
}

TEST_F(ReadLog, folderGivenAsTheLogEndsInAMessage)
{
    const std::string folder = path("Folder.dat");
    ASSERT_EQ(0, mkdir(folder.c_str(), 0755));
    EXPECT_NE(ReadResult::Ok, read(folder));
    ASSERT_EQ(1u, prompt.shown.size());
    EXPECT_EQ(msg::kCaption, prompt.shown[0].caption);
    EXPECT_EQ(0, store->entryCount);
    EXPECT_EQ(0, store->sportCount);
    EXPECT_EQ(0, prompt.busyDepth);
}

TEST_F(ReadLog, backupCopyIsReadUnderItsLogName)
{
    const std::string backup = path("Run.bak");
    writeBytes(backup, readBytes(dataFile("complete_log.dat")));
    ASSERT_EQ(ReadResult::Ok, read(backup));
    EXPECT_EQ(path("Run.dat"), store->fileName);
    EXPECT_EQ("Run", store->displayName);
    EXPECT_EQ("The Orvanta - Run, 5/5 entries", store->title());
}

// ---------------------------------------------------------------- limits and bad input

TEST_F(ReadLog, fullTablesAreReadWithoutWarning)
{
    std::string text = "Sports List: 17\r\n";
    for (int i = 1; i <= 17; ++i)
        text += "Sport " + std::to_string(i) + "\t" + std::string(1, static_cast<char>('A' + i - 1)) + "Mmpm\r\n";
    text += "Routes: 32\r\n";
    for (int i = 0; i < 32; ++i)
        text += "Route " + std::to_string(i) + "\tTA\t\t\t\t\t\t\r\n";
    text += "Keywords: 32\r\n";
    for (int i = 0; i < 32; ++i)
        text += "3\tK" + std::to_string(i) + "\tKeyword\r\n";
    for (int i = 0; i < 10000; ++i)
        text += "03/21/02\tTQ\t5M\t40:00\t8:00\t\t#" + std::to_string(i) + "\r\n";
    writeBytes(path("full.dat"), text);

    ASSERT_EQ(ReadResult::Ok, read(path("full.dat")));
    EXPECT_EQ(17, store->sportCount);
    EXPECT_EQ(32, store->routeCount);
    EXPECT_EQ(32, store->keywordCount);
    EXPECT_EQ(10000, store->entryCount);
    EXPECT_EQ(17, store->entry(9999).sportIndex);
    EXPECT_EQ(std::vector<std::string>{}, prompt.lines());
}

TEST_F(ReadLog, sportsBeyond17AreRefusedAndTheRestStaysInStep)
{
    ASSERT_EQ(ReadResult::Ok, readData("eighteen_sports.dat"));
    EXPECT_EQ(17, store->sportCount);
    EXPECT_EQ("Sport 17", store->sports[17].name.str());
    EXPECT_EQ('Q', store->sports[17].letter);
    EXPECT_EQ((std::array<std::int32_t, 7>{2, 1, 1, 1, 3, 1, 0}), store->preferences.values);
    EXPECT_EQ(0, store->routeCount);
    EXPECT_EQ(0, store->keywordCount);
    ASSERT_EQ(2, store->entryCount);
    EXPECT_EQ(17, store->entry(0).sportIndex);
    EXPECT_EQ(0, store->entry(1).sportIndex);
    EXPECT_EQ((std::vector<std::string>{kRejected}), prompt.lines());
}

TEST_F(ReadLog, routesBeyond32AreRefusedAndTheRestStaysInStep)
{
    ASSERT_EQ(ReadResult::Ok, readData("forty_routes.dat"));
    ASSERT_EQ(32, store->routeCount);
    EXPECT_EQ("Route 00\tTR\t\t\t\t\t\t", store->routes[0].text.str());
    EXPECT_EQ("Route 31\tTR\t\t\t\t\t\t", store->routes[31].text.str());
    ASSERT_EQ(1, store->keywordCount);
    EXPECT_EQ("3\tShoe\tShoes worn", store->keywords[0].text.str());
    EXPECT_EQ((std::vector<std::string>{"after the routes"}), comments(*store));
    EXPECT_EQ((std::vector<std::string>{kRejected}), prompt.lines());
}

TEST_F(ReadLog, keywordsBeyond32AreRefusedAndTheRestStaysInStep)
{
    ASSERT_EQ(ReadResult::Ok, readData("forty_keywords.dat"));
    ASSERT_EQ(32, store->keywordCount);
    EXPECT_EQ("3\tK31\tKeyword 31", store->keywords[31].text.str());
    EXPECT_EQ((std::vector<std::string>{"after the keywords"}), comments(*store));
    EXPECT_EQ((std::vector<std::string>{kRejected}), prompt.lines());
}

TEST_F(ReadLog, entriesBeyond10000AreRefusedAndTheRestStaysInStep)
{
    std::string text = "Sports List: 1\r\nRunning\tRMmpm\r\n";
    char line[96];
    for (int i = 0; i < 10005; ++i) {
        std::snprintf(line, sizeof line, "03/21/02\tTR\t5M\t40:00\t8:00\t\t#%d\r\n", i);
        text += line;
    }
    text += "Keywords: 1\r\n3\tShoe\tShoes worn\r\n";
    writeBytes(path("big.dat"), text);

    ASSERT_EQ(ReadResult::Ok, read(path("big.dat")));
    EXPECT_EQ(10000, store->entryCount);
    EXPECT_EQ(10000, store->shownCount);
    EXPECT_EQ("#0", store->entry(0).commentText.str());
    EXPECT_EQ("#9999", store->entry(9999).commentText.str());
    ASSERT_EQ(1, store->keywordCount);
    EXPECT_EQ("3\tShoe\tShoes worn", store->keywords[0].text.str());
    EXPECT_EQ((std::vector<std::string>{kRejected}), prompt.lines());
}

TEST_F(ReadLog, sectionCountInTheMillionsReadsWhatTheFileHolds)
{
    ASSERT_EQ(ReadResult::Ok, readData("huge_section_count.dat"));
    ASSERT_EQ(2, store->routeCount);
    EXPECT_EQ("Route a\tTR\t\t\t\t\t\t", store->routes[0].text.str());
    EXPECT_EQ("Route b\tTR\t\t\t\t\t\t", store->routes[1].text.str());
    EXPECT_EQ(1, store->sportCount);
}

TEST_F(ReadLog, sportsCountInTheBillionsReadsWhatTheFileHolds)
{
    ASSERT_EQ(ReadResult::Ok, readData("huge_sports_count.dat"));
    ASSERT_EQ(2, store->sportCount);
    EXPECT_EQ("Cycling", store->sports[2].name.str());
}

TEST_F(ReadLog, negativeSectionCountsTakeNoLines)
{
    ASSERT_EQ(ReadResult::Ok, readData("negative_section_count.dat"));
    EXPECT_EQ(0, store->sportCount);
    EXPECT_EQ(0, store->routeCount);
    EXPECT_EQ(0, store->keywordCount);
    EXPECT_EQ((std::vector<std::string>{"after negative counts"}), comments(*store));
}

TEST_F(ReadLog, binaryJunkIsNotALog)
{
    EXPECT_EQ(ReadResult::NotALog, readData("binary_junk.dat"));
    EXPECT_EQ((std::vector<std::string>{std::string("Orvanta: ") + msg::kNotALog}), prompt.lines());
    EXPECT_EQ(0, store->entryCount);
}

TEST_F(ReadLog, binaryJunkAfterTheHeaderIsRejected)
{
    ASSERT_EQ(ReadResult::Ok, readData("log_header_then_binary_junk.dat"));
    EXPECT_EQ(1, store->sportCount);
    EXPECT_EQ(0, store->entryCount);
    EXPECT_EQ((std::vector<std::string>{kRejected}), prompt.lines());
}

// A NUL anywhere must not end the reading there: the line holding it is
// rejected with the warning, and every line after it is read.
TEST_F(ReadLog, lineHoldingANulIsRejected_theLinesAfterItAreRead)
{
    ASSERT_EQ(ReadResult::Ok, readData("nul_byte_in_entries.dat"));
    ASSERT_EQ(2, store->entryCount);
    EXPECT_EQ("before the NUL", store->entry(0).commentText.str());
    EXPECT_EQ("03/23/02", store->entry(1).dateText.str());
    EXPECT_EQ((std::vector<std::string>{kRejected}), prompt.lines());

    std::string text = "Sports List: 1\r\nRun";
    text += '\0';
    text += "ning\tRMmpm\r\nPreferences: 1  1  1  1  1  1  0\r\n03/21/02\tTR\t5M\t40:00\t\t\tafter\r\n";
    writeBytes(path("nul_in_sport.dat"), text);
    prompt.shown.clear();
    ASSERT_EQ(ReadResult::Ok, read(path("nul_in_sport.dat")));
    EXPECT_EQ(1, store->entryCount);
    EXPECT_EQ((std::vector<std::string>{kRejected}), prompt.lines());
}

// A pipe would block the read for ever, a device never end or end empty:
// neither is a log file.
TEST_F(ReadLog, namedPipeOrDevice_isRefusedWithTheAccessMessage)
{
    const std::string fifo = path("pipe.dat");
    ASSERT_EQ(0, ::mkfifo(fifo.c_str(), 0600));
    // Should the read block on the pipe, a writer comes along to end it, so
    // the test fails rather than hangs.
    std::thread unblock([&fifo] {
        std::this_thread::sleep_for(std::chrono::seconds(2));
        int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
    });
    const ReadResult result = read(fifo);
    unblock.join();
    EXPECT_EQ(ReadResult::OpenFailed, result);
    EXPECT_EQ((std::vector<std::string>{"Orvanta: " + printf1(msg::kProblemAccessing, fifo)}), prompt.lines());

    prompt.shown.clear();
    EXPECT_EQ(ReadResult::OpenFailed, read("/dev/null"));
    EXPECT_EQ((std::vector<std::string>{"Orvanta: " + printf1(msg::kProblemAccessing, "/dev/null")}), prompt.lines());
}

// The header is looked at first and the lines are taken one at a time:
// 64 MB of line feeds cost their bytes, not a table of 64 million lines
// (run in a child whose memory is limited, where the old reader aborted).
TEST_F(ReadLog, manyShortLines_costNoMoreThanTheirBytes)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer reserves more address space than the child's limit";
#endif
    const std::string big = path("line_feeds.dat");
    const std::string header = "Sports List: 1\r\nRunning\tRMmpm\r\n03/21/02\tTR\t5M\t40:00\t\t\t\r\n";
    for (const bool withHeader : {false, true}) {
        writeBytes(big, (withHeader ? header : "") + std::string(64u << 20, '\n'));
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            struct rlimit limit {};
            ::getrlimit(RLIMIT_AS, &limit);
            limit.rlim_cur = 640u << 20;
            ::setrlimit(RLIMIT_AS, &limit);
            auto own = makeStore();
            ScriptedPrompt quiet;
            own->setFileName(big);
            const ReadResult result = readLog(*own, quiet);
            const bool expected =
                withHeader ? result == ReadResult::Ok && own->entryCount == 1 : result == ReadResult::NotALog;
            ::_exit(expected ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(child, ::waitpid(child, &status, 0));
        EXPECT_TRUE(WIFEXITED(status)) << "the reader died, signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
        EXPECT_EQ(0, WIFEXITED(status) ? WEXITSTATUS(status) : -1) << (withHeader ? "with a header" : "no header");
    }
}

TEST_F(ReadLog, twoMegabyteLinesAreCutNotOverrun)
{
    const std::string huge(2 * 1024 * 1024, 'z');
    std::string text = "Sports List: 1\r\nRunning\tRMmpm\r\nRoutes: 1\r\n" + huge + "\r\n";
    text += "03/21/02\tTR\t" + huge + "\t" + huge + "\t" + huge + "\t" + huge + "\t" + huge + "\r\n";
    text += huge + "\r\n";  // no tab: rejected
    text += "03/22/02\tTR\t5M\t40:00\t8:00\t\tafter\r\n";
    writeBytes(path("huge_lines.dat"), text);

    ASSERT_EQ(ReadResult::Ok, read(path("huge_lines.dat")));
    ASSERT_EQ(1, store->routeCount);
    EXPECT_EQ(std::string(611, 'z'), store->routes[0].text.str());
    ASSERT_EQ(2, store->entryCount);
    const LogEntry& e = store->entry(0);
    EXPECT_EQ(std::string(9, 'z'), e.distanceText.str());
    EXPECT_EQ(std::string(9, 'z'), e.paceText.str());
    EXPECT_EQ(std::string(511, 'z'), e.routeText.str());
    EXPECT_EQ(std::string(511, 'z'), e.commentText.str());
    EXPECT_EQ("after", store->entry(1).commentText.str());
    EXPECT_EQ((std::vector<std::string>{kRejected}), prompt.lines());
}

TEST_F(ReadLog, randomlyDamagedLogsStayWithinTheLimits)
{
    const std::string good = readBytes(dataFile("complete_log.dat"));
    std::mt19937 random(1950);
    const std::string damaged = path("damaged.dat");
    for (int round = 0; round < 300; ++round) {
        std::string bytes = good;
        int changes = 1 + static_cast<int>(random() % 12);
        for (int c = 0; c < changes; ++c) {
            std::size_t at = random() % bytes.size();
            switch (random() % 3) {
                case 0:
                    bytes[at] = static_cast<char>(random() % 256);
                    break;
                case 1:
                    bytes.erase(at, 1 + random() % 20);
                    break;
                default:
                    bytes.insert(at, std::string(1 + random() % 4, "\t\r\n/:~\0"[random() % 7]));
                    break;
            }
            if (bytes.empty())
                bytes = "x";
        }
        writeBytes(damaged, bytes);
        prompt.shown.clear();
        read(damaged);
        ASSERT_LE(store->entryCount, LogStore::kMaxEntries) << "round " << round;
        ASSERT_LE(store->sportCount, LogStore::kMaxSports) << "round " << round;
        ASSERT_LE(store->routeCount, LogStore::kMaxRoutes) << "round " << round;
        ASSERT_LE(store->keywordCount, LogStore::kMaxKeywords) << "round " << round;
        ASSERT_EQ(0, prompt.busyDepth) << "round " << round;
    }
    EXPECT_EQ(std::vector<std::string>{}, prompt.unexpected);
}

}  // namespace
