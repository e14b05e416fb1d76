// orvanta export: the entries of a date range written as File > Save
// Selected As writes them, in each of the five formats.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli_runner.h"
#include "spring_log.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kPlainOpen = "<td>";
constexpr const char* kPlainClose = "</td>";
constexpr const char* kRaceOpen = "<td><font color=\"#ff0000\">";
constexpr const char* kRaceClose = "</font></td>";

// One table row of the web page; the cell texts are given as they must
// appear, escapes included.
std::string htmlRow(bool race, const std::vector<std::string>& cells)
{
    std::string row = "<tr>";
    for (const std::string& cell : cells)
        row += (race ? kRaceOpen : kPlainOpen) + cell + (race ? kRaceClose : kPlainClose);
    return row + "</tr>";
}

std::vector<std::string> joined(std::vector<std::string> first, const std::vector<std::string>& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

class CliExport : public ::testing::Test {
protected:
    void SetUp() override
    {
        log = copyFixture(kSpringLog, folder.work(), "spring.dat");
        original = readBytes(log);
    }

    // Runs the tool and checks what every export must hold to: nothing on
    // standard output and the log untouched.
    CliResult run(const std::vector<std::string>& args)
    {
        CliResult result = runOrvanta(args, folder.work());
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(readBytes(log), original);
        EXPECT_FALSE(fs::exists(folder.work() / "spring.bak"));
        return result;
    }

    fs::path out(const char* name) const { return folder.work() / name; }

    TempFolder folder;
    fs::path log;
    std::string original;
};

TEST_F(CliExport, complete_writesSectionsThenEveryEntry)
{
    CliResult result = run({"export", "spring.dat", "out.dat", "--format", "complete"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(readBytes(out("out.dat")), crlfLines(joined(kSpringHeader, kSpringEntries)));
}

TEST_F(CliExport, complete_ofAnEmptyRange_writesTheSectionsOnly)
{
    CliResult result = run({"export", "spring.dat", "out.dat", "--format", "complete", "--from", "2002-05-01"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(readBytes(out("out.dat")), crlfLines(kSpringHeader));
}

TEST_F(CliExport, entries_writesOnlyTheEntryLines)
{
    CliResult result = run({"export", "spring.dat", "out.dat", "--format", "entries"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(readBytes(out("out.dat")), crlfLines(kSpringEntries));
}

struct RangeRow {
    const char* name;
    std::vector<std::string> options;
    std::vector<std::string> lines;
};

class CliExportRange : public CliExport, public ::testing::WithParamInterface<RangeRow> {};

// Both ends of the range are included; a missing end leaves that side open.
TEST_P(CliExportRange, writesTheEntriesDatedInTheRange)
{
    std::vector<std::string> args = {"export", "spring.dat", "out.dat", "--format", "entries"};
    args.insert(args.end(), GetParam().options.begin(), GetParam().options.end());
    CliResult result = run(args);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(readBytes(out("out.dat")), crlfLines(GetParam().lines));
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, CliExportRange,
    ::testing::Values(RangeRow{"bothEndsOnEntryDates",
                               {"--from", "2002-03-14", "--to", "2002-03-28"},
                               {kMarch14Bike, kMarch14Swim, kMarch28Race}},
                      RangeRow{"endsBetweenEntryDates",
                               {"--from", "2002-03-02", "--to", "2002-04-14"},
                               {kMarch14Bike, kMarch14Swim, kMarch28Race, kApril2}},
                      RangeRow{"oneDay", {"--from", "2002-03-14", "--to", "2002-03-14"}, {kMarch14Bike, kMarch14Swim}},
                      RangeRow{"fromOnly", {"--from", "2002-04-02"}, {kApril2, kApril15}},
                      RangeRow{"toOnly", {"--to", "2002-03-01"}, {kMarch1}},
                      RangeRow{"fromAfterTo", {"--from", "2002-04-01", "--to", "2002-03-01"}, {}},
                      RangeRow{"rangeAroundTheLog", {"--from", "1999-12-31", "--to", "2030-01-01"}, kSpringEntries}),
    [](const ::testing::TestParamInfo<RangeRow>& info) { return std::string(info.param.name); });

TEST_F(CliExport, append_addsTheLinesAfterWhatTheFileHeld)
{
    std::string existing = "01/02/02\tTR\t3M\t27:00\t9:00\tNew year\t\r\n";
    writeBytes(out("download.dat"), existing);
    CliResult result = run({"export", "spring.dat", "download.dat", "--format", "append", "--from", "2002-04-01"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(readBytes(out("download.dat")), existing + crlfLines({kApril2, kApril15}));
}

TEST_F(CliExport, append_toAMissingFile_createsIt)
{
    CliResult result = run({"export", "spring.dat", "download.dat", "--format", "append", "--to", "2002-03-01"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(readBytes(out("download.dat")), crlfLines({kMarch1}));
}

// The log's backup preference is 1: an existing file is copied to its .bak
// name first, and a longer old file leaves no tail.
TEST_F(CliExport, overwritingAFile_keepsItsBackup_andLeavesNoTail)
{
    std::string old = crlfLines(joined(kSpringHeader, kSpringEntries)) + std::string(4000, 'x');
    writeBytes(out("old.dat"), old);
    CliResult result = run({"export", "spring.dat", "old.dat", "--format", "entries", "--to", "2002-03-01"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(readBytes(out("old.dat")), crlfLines({kMarch1}));
    EXPECT_EQ(readBytes(out("old.bak")), old);
}

TEST_F(CliExport, html_writesTheEscapedPageWithRacesInRed)
{
    CliResult result = run({"export", "spring.dat", "spring-web.htm", "--format", "html", "--to", "2002-03-31"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    std::vector<std::string> page = {
        "<html><head><title>spring-web</title></head>",
        "<body><center><h1>spring-web</h1></center>",
        "<dl><dt><b>Key to Sport (S) and Pace columns:</b></dt><dd>R=Running (pace in mpm)</dd>",
        "<dd>C=Cycling (pace in kph)</dd>",
        "<dd>S=Swimming</dd>",
        "</dl>",
        "<table border=3 cellpadding=4 cellspacing=0 align=left>",
        "<tr><th>Date</th><th>S</th><th>Dist.</th><th>Time</th><th>Pace</th><th>Route/Workout</th>"
        "<th>Comment</th></tr>",
        htmlRow(false, {"03/01/02", "R", "5.2M", "45:30", "8:45", "River loop", "Easy day"}),
        htmlRow(false, {"03/14/02", "C", "20K", "40:00", "30.0", "Track 6x1k", "Windy"}),
        htmlRow(false, {"03/14/02", "S", "1500Y", "30:00", "", "Pool", ""}),
        htmlRow(true,
                {"03/28/02", "R", "10K", "44:10", "7:07", "Spring 10K &amp; relay", "&quot;PR&quot; &lt;finally&gt;"}),
        "</table></body></html>",
    };
    EXPECT_EQ(readBytes(out("spring-web.htm")), crlfLines(page));
}

TEST_F(CliExport, html_overAnExistingPage_makesNoBackup)
{
    writeBytes(out("page.htm"), "old page");
    CliResult result = run({"export", "spring.dat", "page.htm", "--format", "html"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(readBytes(out("page.htm")), "old page");
    EXPECT_FALSE(fs::exists(out("page.bak")));
}

// Days before the last written entry: 28 March is -0, 1 March -27.
TEST_F(CliExport, training_writesDaysBeforeTheLastEntry)
{
    CliResult result = run({"export", "spring.dat", "plan.dat", "--format", "training", "--to", "2002-03-28"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(readBytes(out("plan.dat")),
              crlfLines({"-27\tTR\t5.2M\t45:30\t8:45\tRiver loop\tEasy day",
                         "-14\tIC\t20K\t40:00\t30.0\tTrack 6x1k\tWindy", "-14\tTS\t1500Y\t30:00\t\tPool\t",
                         "-0\tRR\t10K\t44:10\t7:07\tSpring 10K & relay\t\"PR\" <finally>"}));
}

TEST_F(CliExport, training_ofAnEmptyRange_isRefused_writesNothing)
{
    CliResult result = run({"export", "spring.dat", "plan.dat", "--format", "training", "--from", "2002-05-01"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "Orvanta: There are no selected entries!\n");
    EXPECT_FALSE(fs::exists(out("plan.dat")));
}

struct ExtensionRow {
    const char* name;
    const char* format;
    const char* typed;
    const char* written;
};

class CliExportExtension : public CliExport, public ::testing::WithParamInterface<ExtensionRow> {};

TEST_P(CliExportExtension, nameWithoutAPoint_getsTheFormatsExtension)
{
    const ExtensionRow& row = GetParam();
    CliResult result = run({"export", "spring.dat", row.typed, "--format", row.format});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(fs::exists(out(row.written)));
    EXPECT_EQ(fs::exists(out(row.typed)), std::string(row.typed) == row.written);
}

INSTANTIATE_TEST_SUITE_P(
    Names, CliExportExtension,
    ::testing::Values(ExtensionRow{"completeGetsDat", "complete", "march", "march.dat"},
                      ExtensionRow{"entriesGetsDat", "entries", "march", "march.dat"},
                      ExtensionRow{"appendGetsDat", "append", "march", "march.dat"},
                      ExtensionRow{"trainingGetsDat", "training", "march", "march.dat"},
                      ExtensionRow{"htmlGetsHtm", "html", "march", "march.htm"},
                      ExtensionRow{"aPointKeepsTheName", "entries", "march.txt", "march.txt"},
                      ExtensionRow{"htmlKeepsAnotherExtension", "html", "march.html", "march.html"}),
    [](const ::testing::TestParamInfo<ExtensionRow>& info) { return std::string(info.param.name); });

struct OrderRow {
    const char* name;
    std::vector<std::string> args;
};

class CliExportOptionOrder : public CliExport, public ::testing::WithParamInterface<OrderRow> {};

TEST_P(CliExportOptionOrder, optionsMayStandAnywhere)
{
    CliResult result = run(GetParam().args);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(readBytes(out("out.dat")), crlfLines({kMarch14Bike, kMarch14Swim, kMarch28Race}));
}

INSTANTIATE_TEST_SUITE_P(Orders, CliExportOptionOrder,
                         ::testing::Values(OrderRow{"after",
                                                    {"export", "spring.dat", "out.dat", "--format", "entries", "--from",
                                                     "2002-03-14", "--to", "2002-03-28"}},
                                           OrderRow{"before",
                                                    {"--to", "2002-03-28", "export", "--format", "entries", "--from",
                                                     "2002-03-14", "spring.dat", "out.dat"}},
                                           OrderRow{"between",
                                                    {"export", "spring.dat", "--from", "2002-03-14", "--format",
                                                     "entries", "out.dat", "--to", "2002-03-28"}},
                                           OrderRow{"mixed",
                                                    {"export", "--format", "entries", "spring.dat", "--to",
                                                     "2002-03-28", "out.dat", "--from", "2002-03-14"}}),
                         [](const ::testing::TestParamInfo<OrderRow>& info) { return std::string(info.param.name); });

TEST_F(CliExport, missingLog_isRefused_writesNothing)
{
    CliResult result = run({"export", "missing.dat", "out.dat", "--format", "complete"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "Orvanta: Couldn't find " + (folder.work() / "missing.dat").string() +
                              ". Use File->Open to open a log or File->New to start a new log.\n");
    EXPECT_FALSE(fs::exists(out("out.dat")));
}

TEST_F(CliExport, notALog_isRefused_writesNothing)
{
    copyFixture("plain_text_not_a_log.txt", folder.work(), "notes.txt");
    CliResult result = run({"export", "notes.txt", "out.dat", "--format", "entries"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "Orvanta: This file does not appear to be an Orvanta log file.\n");
    EXPECT_FALSE(fs::exists(out("out.dat")));
}

TEST_F(CliExport, rejectedEntryLine_warns_butExports_exitsZero)
{
    copyFixture("entry_line_without_tab.dat", folder.work(), "damaged.dat");
    CliResult result = run({"export", "damaged.dat", "out.dat", "--format", "entries"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err,
              "Orvanta: Warning! Proceed with caution! Some of the data in this file was in the incorrect format. "
              "Some entries may have been lost or truncated.\n");
    EXPECT_EQ(readBytes(out("out.dat")), crlfLines({"03/01/02\tTR\t5M\t45:00\t9:00\tRiver loop\t",
                                                    "03/03/02\tTR\t6M\t54:00\t9:00\tRiver loop\t"}));
}

TEST_F(CliExport, outInAMissingFolder_reportsTheWriteProblem_exitsOne)
{
    CliResult result = run({"export", "spring.dat", "nofolder/out.dat", "--format", "entries"});
    EXPECT_EQ(result.exitCode, 1);
    std::string expectedStart = "Orvanta: Problem trying to create or write to file \"" +
                                (folder.work() / "nofolder" / "out.dat").string() + "\"";
    EXPECT_EQ(result.err.substr(0, expectedStart.size()), expectedStart) << result.err;
    EXPECT_FALSE(fs::exists(folder.work() / "nofolder"));
}

// However OUT is spelled, the log itself (or, through the backup rule, its
// .bak name) is never written: the export is refused.
TEST_F(CliExport, outNamingTheLogItself_isRefused)
{
    fs::create_directory(folder.work() / "sub");
    for (const char* format : {"complete", "entries", "append", "training"}) {
        for (const char* spelling : {"spring.dat", "./sub/../spring.dat", "spring"}) {
            CliResult result = run({"export", "spring.dat", spelling, "--format", format});
            EXPECT_EQ(result.exitCode, 1) << format << " " << spelling;
            EXPECT_EQ(result.err,
                      "Orvanta: The export would overwrite the log it is taken from; choose another file.\n")
                << format << " " << spelling;
        }
    }
}

TEST_F(CliExport, outWhoseBackupWouldBeTheLog_isRefused)
{
    fs::path bakLog = copyFixture(kSpringLog, folder.work(), "week.bak");
    writeBytes(out("week.dat"), "the file the backup would come from");
    CliResult result = run({"export", "week.bak", "week.dat", "--format", "entries"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(readBytes(bakLog), original);
    EXPECT_EQ(readBytes(out("week.dat")), "the file the backup would come from");

    // An html page makes no backup, so it may replace week.htm.
    writeBytes(out("week.htm"), "old page");
    result = run({"export", "week.bak", "week.htm", "--format", "html"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(readBytes(bakLog), original);
}

}  // namespace
