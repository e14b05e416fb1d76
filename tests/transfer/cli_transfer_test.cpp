// "orvanta merge" and "orvanta archive", run as a user runs them: the built
// binary in a fresh folder, its streams, its exit status and the files.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli_runner.h"

namespace fs = std::filesystem;

namespace {

const std::vector<std::string> kHead = {
    "Sports List: 2", "Running\tRMmpm", "Cycling\tCKkph", "Preferences: 1  1  1  1  1  1  0",
    "Routes: 0",      "Keywords: 1",    "1\tWt\tWeight",
};

std::string line(const char* date, const char* route)
{
    return std::string(date) + "\tTR\t5M\t40:00\t8:00\t" + route + "\t";
}

const std::string kFeb28 = line("02/28/02", "feb28");
const std::string kMar1 = line("03/01/02", "mar1");
const std::string kMar31 = line("03/31/02", "mar31");
const std::string kApr1 = line("04/01/02", "apr1");

std::vector<std::string> withHead(const std::vector<std::string>& entries)
{
    std::vector<std::string> lines = kHead;
    lines.insert(lines.end(), entries.begin(), entries.end());
    return lines;
}

const std::string kRunLog = crlfLines(withHead({kFeb28, kMar1, kMar31, kApr1}));

// A training program's lines "-first" down to "-0".
std::vector<std::string> program(int first)
{
    std::vector<std::string> lines;
    for (int n = first; n >= 0; --n)
        lines.push_back("-" + std::to_string(n) + "\tTR\t3M\t27:00\t9:00\tplan\t");
    return lines;
}

// The entry lines of a program placed on days first..last of a month.
std::vector<std::string> placed(const char* monthYear, int first, int last)
{
    std::vector<std::string> lines;
    for (int day = first; day <= last; ++day) {
        char date[16];
        std::snprintf(date, sizeof date, "%.2s/%02d/%s", monthYear, day, monthYear + 3);
        lines.push_back(std::string(date) + "\tTR\t3M\t27:00\t9:00\tplan\t");
    }
    return lines;
}

class CliTransfer : public ::testing::Test {
protected:
    fs::path put(const std::string& name, const std::string& bytes)
    {
        writeBytes(folder.work() / name, bytes);
        return folder.work() / name;
    }
    std::string bytes(const std::string& name) const { return readBytes(folder.work() / name); }
    bool exists(const std::string& name) const { return fs::exists(folder.work() / name); }
    CliResult run(const std::vector<std::string>& args) { return runOrvanta(args, folder.work()); }
    std::string path(const std::string& name) const { return (folder.work() / name).string(); }

    TempFolder folder;
};

TEST_F(CliTransfer, merge_logIntoItself_doublesItAndSavesItAfterItsBackup)
{
    put("Run.dat", kRunLog);
    const CliResult result = run({"merge", "Run.dat", "Run.dat"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(bytes("Run.dat"), crlfLines(withHead({kFeb28, kFeb28, kMar1, kMar1, kMar31, kMar31, kApr1, kApr1})));
    EXPECT_EQ(bytes("Run.bak"), kRunLog);
}

TEST_F(CliTransfer, merge_fileOfSectionLinesOnly_saysSo_leavesTheLog_exitsZero)
{
    put("Run.dat", kRunLog);
    put("Sections.dat", crlfLines(kHead));
    const CliResult result = run({"merge", "Run.dat", "Sections.dat"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "Orvanta: There were no new entries in that file!\n");
    EXPECT_EQ(bytes("Run.dat"), kRunLog);
    EXPECT_FALSE(exists("Run.bak"));
}

TEST_F(CliTransfer, merge_rejectedLines_warnButTheGoodOnesAreSaved)
{
    put("Run.dat", kRunLog);
    put("Mixed.dat", crlfLines({"not an entry", line("03/15/02", "mar15")}));
    const CliResult result = run({"merge", "Run.dat", "Mixed.dat"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err,
              "Orvanta: Warning! Proceed with caution! Some of the data in this file was in the incorrect format. "
              "Some entries may have been lost or truncated.\n");
    EXPECT_EQ(bytes("Run.dat"), crlfLines(withHead({kFeb28, kMar1, line("03/15/02", "mar15"), kMar31, kApr1})));
}

TEST_F(CliTransfer, merge_trainingProgramWithoutAPlanDate_saysWhatItIs_andMergesNothing)
{
    put("Run.dat", kRunLog);
    put("Plan.dat", crlfLines(program(9)));
    const CliResult result = run({"merge", "Run.dat", "Plan.dat"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err,
              "The file you have opened is a 10-day training program.\n"
              "orvanta: nothing was merged; place the program on the calendar with --plan-start YYYY-MM-DD (its "
              "first day) or --plan-end YYYY-MM-DD (its last day, such as the race)\n");
    EXPECT_EQ(bytes("Run.dat"), kRunLog);
    EXPECT_FALSE(exists("Run.bak"));
}

TEST_F(CliTransfer, merge_tenDayProgramEndingTenthOfMay_coversTheFirstToTheTenth)
{
    put("Run.dat", kRunLog);
    put("Plan.dat", crlfLines(program(9)));
    const CliResult result = run({"merge", "--plan-end", "2004-05-10", "Run.dat", "Plan.dat"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    std::vector<std::string> entries = {kFeb28, kMar1, kMar31, kApr1};
    for (const std::string& entry : placed("05/04", 1, 10))
        entries.push_back(entry);
    EXPECT_EQ(bytes("Run.dat"), crlfLines(withHead(entries)));
}

TEST_F(CliTransfer, merge_fourWeekProgramStartedFirstOfMarch_coversTheFirstToTheTwentyEighth)
{
    put("Run.dat", crlfLines(kHead));
    put("Plan.dat", crlfLines(program(27)));
    const CliResult result = run({"merge", "Run.dat", "Plan.dat", "--plan-start", "2004-03-01"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(bytes("Run.dat"), crlfLines(withHead(placed("03/04", 1, 28))));
}

TEST_F(CliTransfer, merge_planDateForAFileWithDates_isNotNeeded)
{
    put("Run.dat", kRunLog);
    put("More.dat", crlfLines({line("03/15/02", "mar15")}));
    EXPECT_EQ(run({"merge", "Run.dat", "More.dat", "--plan-end", "2004-05-10"}).exitCode, 0);
    EXPECT_EQ(bytes("Run.dat"), crlfLines(withHead({kFeb28, kMar1, line("03/15/02", "mar15"), kMar31, kApr1})));
}

TEST_F(CliTransfer, merge_fileThatIsMissing_isNamedByItsAbsolutePath_exitsOne)
{
    put("Run.dat", kRunLog);
    const CliResult result = run({"merge", "Run.dat", "Gone.dat"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "Orvanta: Couldn't open file " + path("Gone.dat") + ": system error #2\n");
    EXPECT_EQ(bytes("Run.dat"), kRunLog);
}

TEST_F(CliTransfer, merge_intoALogThatIsMissing_exitsOne)
{
    put("More.dat", crlfLines({kMar1}));
    const CliResult result = run({"merge", "Gone.dat", "More.dat"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err.rfind("Orvanta: Couldn't find " + path("Gone.dat"), 0), 0u) << result.err;
    EXPECT_FALSE(exists("Gone.dat"));
}

struct UsageRow {
    const char* name;
    std::vector<std::string> args;
    const char* problem;
    const char* usage;
};

class CliTransferUsage : public CliTransfer, public ::testing::WithParamInterface<UsageRow> {};

TEST_P(CliTransferUsage, isAUsageError_andTouchesNothing)
{
    put("Run.dat", kRunLog);
    put("Plan.dat", crlfLines(program(6)));
    const CliResult result = run(GetParam().args);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err.rfind(std::string("orvanta: ") + GetParam().problem + "\n", 0), 0u) << result.err;
    EXPECT_NE(result.err.find(GetParam().usage), std::string::npos) << result.err;
    EXPECT_EQ(bytes("Run.dat"), kRunLog);
    EXPECT_FALSE(exists("Out.dat"));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CliTransferUsage,
    ::testing::Values(UsageRow{"bothPlanDates",
                               {"merge", "Run.dat", "Plan.dat", "--plan-start", "2004-03-01", "--plan-end",
                                "2004-03-07"},
                               "--plan-start and --plan-end exclude each other",
                               "Usage: orvanta merge LOG FILE"},
                      UsageRow{"planDateNotIso",
                               {"merge", "Run.dat", "Plan.dat", "--plan-end", "05/10/04"},
                               "--plan-end wants a date from 1950-01-01 to 2049-12-31 as YYYY-MM-DD, not '05/10/04'",
                               "Usage: orvanta merge LOG FILE"},
                      UsageRow{"mergeWithoutItsFile",
                               {"merge", "Run.dat"},
                               "'merge' takes LOG FILE (1 given)",
                               "Usage: orvanta merge LOG FILE"},
                      UsageRow{"archiveWithoutTo",
                               {"archive", "Run.dat", "Out.dat", "--from", "2002-03-01"},
                               "'archive' needs --to",
                               "Usage: orvanta archive LOG OUT"},
                      UsageRow{"archiveWithoutFrom",
                               {"archive", "Run.dat", "Out.dat", "--to", "2002-03-31", "--keep"},
                               "'archive' needs --from",
                               "Usage: orvanta archive LOG OUT"},
                      UsageRow{"archiveDateNotADay",
                               {"archive", "Run.dat", "Out.dat", "--from", "2002-02-30", "--to", "2002-03-31"},
                               "--from wants a date as YYYY-MM-DD, not '2002-02-30'",
                               "Usage: orvanta archive LOG OUT"},
                      UsageRow{"archiveWithAPlanDate",
                               {"archive", "Run.dat", "Out.dat", "--from", "2002-03-01", "--to", "2002-03-31",
                                "--plan-end", "2004-05-10"},
                               "'archive' has no option --plan-end",
                               "Usage: orvanta archive LOG OUT"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CliTransfer, help_describesMergeAndArchive)
{
    for (const char* command : {"merge", "archive"}) {
        const CliResult result = run({command, "--help"});
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(result.out.find("This build does not have this command yet."), std::string::npos) << command;
        EXPECT_NE(result.out.find("File > "), std::string::npos) << result.out;
    }
}

TEST_F(CliTransfer, archive_rangeWithBothEnds_goesOut_andTheLogIsSavedWithoutIt)
{
    put("Run.dat", kRunLog);
    const CliResult result = run({"archive", "Run.dat", "March.dat", "--from", "2002-03-01", "--to", "2002-03-31"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(bytes("March.dat"), crlfLines(withHead({kMar1, kMar31})));
    EXPECT_EQ(bytes("Run.dat"), crlfLines(withHead({kFeb28, kApr1})));
    EXPECT_EQ(bytes("Run.bak"), kRunLog);
}

TEST_F(CliTransfer, archive_keep_leavesTheLogUntouched)
{
    put("Run.dat", kRunLog);
    const CliResult result =
        run({"archive", "Run.dat", "March.dat", "--keep", "--from", "2002-02-28", "--to", "2002-03-01"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(bytes("March.dat"), crlfLines(withHead({kFeb28, kMar1})));
    EXPECT_EQ(bytes("Run.dat"), kRunLog);
    EXPECT_FALSE(exists("Run.bak"));
}

TEST_F(CliTransfer, archive_rangeWithoutEntries_writesAnEmptyLog_andDoesNotSaveTheLog)
{
    put("Run.dat", kRunLog);
    const CliResult result = run({"archive", "Run.dat", "None.dat", "--from", "2003-01-01", "--to", "2003-12-31"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(bytes("None.dat"), crlfLines(kHead));
    EXPECT_EQ(bytes("Run.dat"), kRunLog);
    EXPECT_FALSE(exists("Run.bak"));
}

TEST_F(CliTransfer, archive_toAFileThatExists_keepsItsBackup)
{
    put("Run.dat", kRunLog);
    put("Old.dat", "an older archive\r\n");
    EXPECT_EQ(run({"archive", "Run.dat", "Old.dat", "--from", "2002-04-01", "--to", "2002-04-01"}).exitCode, 0);
    EXPECT_EQ(bytes("Old.bak"), "an older archive\r\n");
    EXPECT_EQ(bytes("Old.dat"), crlfLines(withHead({kApr1})));
}

class CliArchiveIntoLog : public CliTransfer, public ::testing::WithParamInterface<const char*> {};

TEST_P(CliArchiveIntoLog, isRefused_exitsOne_andLosesNothing)
{
    put("Run.dat", kRunLog);
    fs::create_symlink(folder.work() / "Run.dat", folder.work() / "Alias.dat");
    const CliResult result = run({"archive", "Run.dat", GetParam(), "--from", "2002-01-01", "--to", "2002-12-31"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "Orvanta: You can't archive data into a file of the same name as your open log!\n");
    EXPECT_EQ(bytes("Run.dat"), kRunLog);
    EXPECT_FALSE(exists("Run.bak"));
}

INSTANTIATE_TEST_SUITE_P(Spellings, CliArchiveIntoLog, ::testing::Values("Run.dat", "./Run.dat", "Alias.dat", "Run"),
                         [](const auto& info) {
                             const std::string name = info.param;
                             return name == "Run.dat"     ? std::string("sameName")
                                    : name == "./Run.dat" ? std::string("dotStep")
                                    : name == "Run"       ? std::string("withoutExtension")
                                                          : std::string("symbolicLink");
                         });

// The log's next save replaces its backup: an archive there would be lost.
TEST_F(CliTransfer, archive_intoTheLogsOwnBackup_isRefused_andLosesNothing)
{
    put("Run.dat", kRunLog);
    put("Run.bak", "the backup\r\n");
    const CliResult result = run({"archive", "Run.dat", "Run.bak", "--from", "2002-01-01", "--to", "2002-12-31"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err,
              "Orvanta: You can't archive data into your open log's backup copy: the next save of the log "
              "would replace it!\n");
    EXPECT_EQ(bytes("Run.dat"), kRunLog);
    EXPECT_EQ(bytes("Run.bak"), "the backup\r\n");
}

// A command that would write the log back refuses a log with rejected
// lines: saving it would drop them, and nobody was asked.
TEST_F(CliTransfer, logWithRejectedLines_isNotRewrittenByMergeOrArchive)
{
    const std::string broken = crlfLines(withHead({kFeb28, "not an entry", kMar1, kApr1}));
    put("Run.dat", broken);
    put("More.dat", crlfLines({kMar31}));
    const std::string warning =
        "Orvanta: Warning! Proceed with caution! Some of the data in this file was in the incorrect format. Some "
        "entries may have been lost or truncated.\n";
    const std::string notChanged =
        "Orvanta: " + path("Run.dat") + " was not changed: some of its lines could not be read.\n";
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"merge", "Run.dat", "More.dat"},
          std::vector<std::string>{"archive", "Run.dat", "March.dat", "--from", "2002-03-01", "--to", "2002-03-31"}}) {
        const CliResult result = run(args);
        EXPECT_EQ(result.exitCode, 1) << args[0];
        EXPECT_EQ(result.err, warning + notChanged) << args[0];
        EXPECT_EQ(bytes("Run.dat"), broken) << args[0];
        EXPECT_FALSE(exists("Run.bak")) << args[0];
        EXPECT_FALSE(exists("March.dat")) << args[0];
    }
    // --keep leaves the log as it is, so it may go ahead after the warning.
    const CliResult kept =
        run({"archive", "Run.dat", "March.dat", "--keep", "--from", "2002-03-01", "--to", "2002-03-31"});
    EXPECT_EQ(kept.exitCode, 0);
    EXPECT_EQ(kept.err, warning);
    EXPECT_EQ(bytes("March.dat"), crlfLines(withHead({kMar1})));
    EXPECT_EQ(bytes("Run.dat"), broken);
}

// A log's two-digit years hold 1950 to 2049: a plan date outside is a usage
// error, and a plan that would reach past either end merges nothing.
TEST_F(CliTransfer, merge_planOutsideTheYearsALogHolds_isRefused)
{
    put("Run.dat", kRunLog);
    put("Plan.dat", crlfLines(program(59)));
    for (const char* option : {"--plan-end", "--plan-start"}) {
        const CliResult result = run({"merge", "Run.dat", "Plan.dat", option, "2060-01-05"});
        EXPECT_EQ(result.exitCode, 2) << option;
        EXPECT_NE(result.err.find("1950-01-01 to 2049-12-31"), std::string::npos) << result.err;
    }
    const CliResult late = run({"merge", "Run.dat", "Plan.dat", "--plan-start", "2049-12-01"});
    EXPECT_EQ(late.exitCode, 1);
    EXPECT_EQ(late.err,
              "Orvanta: That training program would place workouts before 1950 or after 2049, which a log "
              "can't hold. Nothing was merged.\n");
    const CliResult early = run({"merge", "Run.dat", "Plan.dat", "--plan-end", "1950-01-30"});
    EXPECT_EQ(early.exitCode, 1);
    put("Long.dat", crlfLines({"-900000\tTR\t3M\t27:00\t9:00\tplan\t", "-0\tTR\t3M\t27:00\t9:00\tplan\t"}));
    EXPECT_EQ(run({"merge", "Run.dat", "Long.dat", "--plan-end", "2002-05-01"}).exitCode, 1);
    EXPECT_EQ(bytes("Run.dat"), kRunLog);
    EXPECT_FALSE(exists("Run.bak"));
}

TEST_F(CliTransfer, archive_thatCantBeWritten_exitsOne_andTheLogStays)
{
    put("Run.dat", kRunLog);
    const CliResult result =
        run({"archive", "Run.dat", "missing/March.dat", "--from", "2002-03-01", "--to", "2002-03-31"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err.rfind("Orvanta: Problem trying to create or write to file \"" + path("missing/March.dat"), 0),
              0u)
        << result.err;
    EXPECT_EQ(bytes("Run.dat"), kRunLog);
}

}  // namespace
