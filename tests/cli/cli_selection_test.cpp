// The Select page's criteria as options of list, totals, export and graph.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_runner.h"
#include "spring_log.h"

namespace {

constexpr const char* kPhraseNotFound = "Orvanta: Couldn't find that phrase\n";

class CliSelection : public ::testing::Test {
protected:
    TempFolder folder;
    void SetUp() override { copyFixture(kSpringLog, folder.work(), "spring.dat"); }

    CliResult list(std::vector<std::string> options)
    {
        options.insert(options.begin(), {"list", "spring.dat"});
        return runOrvanta(options, folder.work());
    }
};

struct ListRow {
    const char* name;
    std::vector<std::string> options;
    std::vector<std::string> expected;
};

class CliSelectionList : public CliSelection, public ::testing::WithParamInterface<ListRow> {};

TEST_P(CliSelectionList, printsTheEntriesSelectWouldSelect)
{
    const CliResult result = list(GetParam().options);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, lfLines(GetParam().expected));
    EXPECT_EQ(result.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    EachOption, CliSelectionList,
    ::testing::Values(
        ListRow{
            "dateRange", {"--from", "2002-03-14", "--to", "2002-03-28"}, {kMarch14Bike, kMarch14Swim, kMarch28Race}},
        ListRow{"sport", {"--sport", "Running"}, {kMarch1, kMarch28Race, kApril2}},
        ListRow{"category", {"--category", "Race"}, {kMarch28Race}},
        ListRow{"distanceApproxInTheSportsUnits", {"--sport", "Running", "--distance", "approx 6.2"}, {kMarch28Race}},
        ListRow{"timeFromExcludesTheLowerBound", {"--time", "from 30:00 45:30"}, {kMarch1, kMarch14Bike, kMarch28Race}},
        ListRow{"timeLessThanSkipsNoTime", {"--time", "less 3000"}, {kApril2}},
        ListRow{"paceFasterThanEightMinutesPerMile", {"--sport", "Running", "--pace", "faster 8:00"}, {kMarch28Race}},
        ListRow{"paceFasterInKilometresPerHour", {"--sport", "Cycling", "--pace", "faster 26"}, {kMarch14Bike}},
        ListRow{"routeContainsIgnoresCase", {"--route", "contains LOOP"}, {kMarch1, kApril2}},
        ListRow{"routeTextKeepsItsSpaces", {"--route", "exact spring 10k & relay"}, {kMarch28Race}},
        ListRow{"commentExactIgnoresCase", {"--comment", "exact windy"}, {kMarch14Bike}},
        ListRow{"commentLacks", {"--sport", "Running", "--comment", "lacks e"}, {kMarch28Race}},
        ListRow{"sinceStartsAtTheLastCommentWithThePhrase", {"--comment", "since shoe"}, {kApril2, kApril15}},
        ListRow{"nonNumericKeywordFillsTheComment", {"--keyword", "Shoes worn"}, {kApril2}},
        ListRow{"numericKeywordLooksForItsAbbreviationAndEquals", {"--keyword", "Weight"}, {}},
        ListRow{"autofillFillsFromTheRoute", {"--autofill", "Hill loop"}, {}},
        ListRow{"optionsBesideAutofillOverrideIt",
                {"--autofill", "Hill loop", "--distance", "greater 1", "--time", "greater 1", "--route",
                 "contains loop", "--comment", "lacks zzz"},
                {kMarch1, kApril2}}),
    [](const ::testing::TestParamInfo<ListRow>& info) { return std::string(info.param.name); });

struct UsageRow {
    const char* name;
    std::vector<std::string> options;
    const char* problem;
};

class CliSelectionUsage : public CliSelection, public ::testing::WithParamInterface<UsageRow> {};

TEST_P(CliSelectionUsage, isAUsageError_exitsTwo)
{
    const CliResult result = list(GetParam().options);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err.rfind(std::string("orvanta: ") + GetParam().problem + "\n\nUsage: orvanta list", 0), 0u)
        << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    BadOptions, CliSelectionUsage,
    ::testing::Values(
        UsageRow{"unknownSport", {"--sport", "Rowing"}, "the log has no sport named 'Rowing'"},
        UsageRow{"unknownKeyword", {"--keyword", "Mood"}, "the log has no keyword 'Mood'"},
        UsageRow{"unknownRoute", {"--autofill", "Lake"}, "the log has no memorized route 'Lake'"},
        UsageRow{"distanceWithoutSport", {"--distance", "approx 5"}, "--distance needs --sport"},
        UsageRow{"paceWithoutSport", {"--pace", "faster 8:00"}, "--pace needs --sport naming a sport with pace units"},
        UsageRow{"paceOfASportWithoutPaceUnits",
                 {"--sport", "Swimming", "--pace", "faster 8:00"},
                 "--pace needs --sport naming a sport with pace units"},
        UsageRow{"unknownCategory", {"--category", "Easy"}, "--category is Training, Intervals or Race, not 'Easy'"},
        UsageRow{"unknownOperator",
                 {"--time", "about 30"},
                 "--time wants \"OP X [Y]\" with OP approx, exact, greater, less or from (Y only with from), not "
                 "'about 30'"},
        UsageRow{"secondValueWithoutFrom",
                 {"--time", "approx 30 40"},
                 "--time wants \"OP X [Y]\" with OP approx, exact, greater, less or from (Y only with from), not "
                 "'approx 30 40'"},
        UsageRow{"sinceForARoute",
                 {"--route", "since hill"},
                 "--route wants \"OP TEXT\" with OP exact, contains or lacks, not 'since hill'"},
        UsageRow{"badDate", {"--from", "2002-02-30"}, "--from wants a date as YYYY-MM-DD, not '2002-02-30'"}),
    [](const ::testing::TestParamInfo<UsageRow>& info) { return std::string(info.param.name); });

TEST_F(CliSelection, sinceNotFound_printsTheMessage_exitsOne)
{
    const CliResult result = list({"--comment", "since marathon"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, kPhraseNotFound);
}

TEST_F(CliSelection, typedValueWarnings_areReported_selectionGoesOn)
{
    const CliResult result = list({"--time", "approx 0:45:3:0"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, lfLines({kMarch1}));
    EXPECT_EQ(result.err,
              "Data input error!: You had more than two colons (:) in your input; the extra ones have been ignored.\n");
}

// Clear's range runs from the first entry to the last; a log read out of
// date order would lose its early entries to it without a word.
TEST_F(CliSelection, logOutOfDateOrder_keepsEveryEntryInTheDefaultRange)
{
    copyFixture("unsorted_entries.dat", folder.work(), "unsorted.dat");
    const CliResult result = runOrvanta({"list", "unsorted.dat", "--category", "Training"}, folder.work());
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, lfLines({"03/22/02\tTR\t3M\t24:00\t8:00\t\tsecond day",
                                   "03/21/02\tTR\t5M\t40:00\t8:00\t\tfirst day",
                                   "03/22/02\tTR\t1M\t8:00\t8:00\t\tsecond day again"}));
}

TEST_F(CliSelection, totalsCountOnlyTheSelectedEntries)
{
    const CliResult all = runOrvanta({"totals", "spring.dat", "--period", "year"}, folder.work());
    const CliResult cycling =
        runOrvanta({"totals", "spring.dat", "--period", "year", "--sport", "Cycling"}, folder.work());
    EXPECT_EQ(cycling.exitCode, 0);
    EXPECT_NE(all.out.find("Running"), std::string::npos);
    EXPECT_EQ(cycling.out.find("Running"), std::string::npos);
    EXPECT_NE(cycling.out.find("Cycling"), std::string::npos);
    EXPECT_EQ(cycling.err, "");
}

TEST_F(CliSelection, totalsSinceNotFound_exitsOne)
{
    const CliResult result = runOrvanta({"totals", "spring.dat", "--comment", "since marathon"}, folder.work());
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, kPhraseNotFound);
}

TEST_F(CliSelection, exportWritesTheSelectedEntriesWithinItsDates)
{
    const CliResult result = runOrvanta(
        {"export", "spring.dat", "out.dat", "--format", "entries", "--sport", "Running", "--from", "2002-03-02"},
        folder.work());
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(readBytes(folder.work() / "out.dat"), crlfLines({kMarch28Race, kApril2}));
}

TEST_F(CliSelection, csvExportTakesTheSelectionToo)
{
    const CliResult result =
        runOrvanta({"export", "spring.dat", "out.csv", "--format", "csv", "--route", "contains pool"}, folder.work());
    EXPECT_EQ(result.exitCode, 0) << result.err;
    const std::string csv = readBytes(folder.work() / "out.csv");
    EXPECT_NE(csv.find("\r\n2002-03-14,Swimming,"), std::string::npos) << csv;
    EXPECT_EQ(csv.find("Running"), std::string::npos) << csv;
}

TEST_F(CliSelection, exportUnknownSport_isAUsageError)
{
    const CliResult result =
        runOrvanta({"export", "spring.dat", "out.dat", "--format", "entries", "--sport", "Rowing"}, folder.work());
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.err.rfind("orvanta: the log has no sport named 'Rowing'\n", 0), 0u) << result.err;
}

TEST_F(CliSelection, graphCountsTheSelectedEntriesOfItsSport)
{
    const CliResult result =
        runOrvanta({"graph", "spring.dat", "--type", "distance", "--sport", "Cycling", "--period", "12m", "--first",
                    "2002-03-01", "--category", "Intervals", "--distance", "greater 1"},
                   folder.work());
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out.substr(0, 40), "2002-03-01\t20.0000\n2002-04-01\t0.0000\n200");
}

TEST_F(CliSelection, graphOfAllSports_hasNoSportForADistance)
{
    const CliResult result = runOrvanta({"graph", "spring.dat", "--distance", "greater 1"}, folder.work());
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.err.rfind("orvanta: --distance needs --sport\n", 0), 0u) << result.err;
}

}  // namespace
