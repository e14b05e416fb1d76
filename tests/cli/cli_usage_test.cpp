// The tool's command line: help, usage errors and their exit codes.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli_runner.h"
#include "spring_log.h"

namespace fs = std::filesystem;

namespace {

bool startsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

class CliUsage : public ::testing::Test {
protected:
    TempFolder folder;
};

TEST_F(CliUsage, help_printsUsageOnStdout_exitsZero)
{
    CliResult result = runOrvanta({"--help"}, folder.work());
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(startsWith(result.out, "Usage: orvanta COMMAND")) << result.out;
    EXPECT_NE(result.out.find("orvanta export LOG OUT --format"), std::string::npos);
    EXPECT_EQ(result.err, "");
}

TEST_F(CliUsage, noCommand_printsUsageOnStderr_exitsTwo)
{
    CliResult result = runOrvanta({}, folder.work());
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_TRUE(startsWith(result.err, "orvanta: no command given\n")) << result.err;
    EXPECT_NE(result.err.find("Usage: orvanta COMMAND"), std::string::npos);
}

TEST_F(CliUsage, unknownCommand_isUsageError)
{
    CliResult result = runOrvanta({"lsit", "spring.dat"}, folder.work());
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_TRUE(startsWith(result.err, "orvanta: unknown command 'lsit'\n")) << result.err;
    EXPECT_NE(result.err.find("Usage: orvanta COMMAND"), std::string::npos);
}

struct CommandHelpRow {
    const char* name;
    std::vector<std::string> args;
    const char* usageStart;
};

class CliCommandHelp : public ::testing::TestWithParam<CommandHelpRow> {
protected:
    TempFolder folder;
};

// "--help" wins wherever it stands: nothing is read or written.
TEST_P(CliCommandHelp, printsThatCommandsUsageOnStdout_exitsZero)
{
    const CommandHelpRow& row = GetParam();
    fs::path log = copyFixture(kSpringLog, folder.work(), "spring.dat");
    std::string before = readBytes(log);
    CliResult result = runOrvanta(row.args, folder.work());
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(startsWith(result.out, row.usageStart)) << result.out;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(readBytes(log), before);
    EXPECT_FALSE(fs::exists(folder.work() / "out.dat"));
}

INSTANTIATE_TEST_SUITE_P(
    EveryCommand, CliCommandHelp,
    ::testing::Values(CommandHelpRow{"list", {"list", "--help"}, "Usage: orvanta list LOG [selection options]\n"},
                      CommandHelpRow{"listAfterItsLog",
                                     {"list", "spring.dat", "--help"},
                                     "Usage: orvanta list LOG [selection options]\n"},
                      CommandHelpRow{"export", {"export", "--help"}, "Usage: orvanta export LOG OUT --format"},
                      CommandHelpRow{"exportAmongOptions",
                                     {"export", "spring.dat", "--format", "complete", "--help", "out.dat"},
                                     "Usage: orvanta export LOG OUT --format"},
                      CommandHelpRow{"totals", {"totals", "--help"}, "Usage: orvanta totals LOG"},
                      CommandHelpRow{"add", {"add", "--help"}, "Usage: orvanta add LOG"},
                      CommandHelpRow{"merge", {"merge", "--help"}, "Usage: orvanta merge LOG FILE"},
                      CommandHelpRow{"archive", {"archive", "--help"}, "Usage: orvanta archive LOG OUT"}),
    [](const ::testing::TestParamInfo<CommandHelpRow>& info) { return std::string(info.param.name); });

struct UsageErrorRow {
    const char* name;
    std::vector<std::string> args;
    const char* problem;  // the first line on standard error
    const char* usageStart;
};

class CliUsageError : public ::testing::TestWithParam<UsageErrorRow> {
protected:
    TempFolder folder;
};

// A usage error names its problem, prints the usage on standard error,
// touches no file and exits 2.
TEST_P(CliUsageError, printsProblemAndUsageOnStderr_exitsTwo)
{
    const UsageErrorRow& row = GetParam();
    fs::path log = copyFixture(kSpringLog, folder.work(), "spring.dat");
    std::string before = readBytes(log);
    CliResult result = runOrvanta(row.args, folder.work());
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_TRUE(startsWith(result.err, std::string("orvanta: ") + row.problem + "\n")) << result.err;
    EXPECT_NE(result.err.find(row.usageStart), std::string::npos) << result.err;
    EXPECT_EQ(readBytes(log), before);
    std::vector<fs::path> files;
    for (const auto& item : fs::directory_iterator(folder.work()))
        files.push_back(item.path().filename());
    EXPECT_EQ(files, std::vector<fs::path>{"spring.dat"});
}

INSTANTIATE_TEST_SUITE_P(
    BadCommandLines, CliUsageError,
    ::testing::Values(
        UsageErrorRow{"listWithoutLog", {"list"}, "'list' takes LOG (0 given)", "Usage: orvanta list LOG"},
        UsageErrorRow{"listWithTwoLogs",
                      {"list", "spring.dat", "other.dat"},
                      "'list' takes LOG (2 given)",
                      "Usage: orvanta list LOG"},
        UsageErrorRow{"listWithEmptyPath", {"list", ""}, "an empty path names no file", "Usage: orvanta list"},
        UsageErrorRow{"listWithExportOption",
                      {"list", "spring.dat", "--format", "csv"},
                      "'list' has no option --format",
                      "Usage: orvanta list LOG"},
        UsageErrorRow{"exportWithoutOut",
                      {"export", "spring.dat", "--format", "complete"},
                      "'export' takes LOG OUT (1 given)",
                      "Usage: orvanta export"},
        UsageErrorRow{"exportWithoutFormat",
                      {"export", "spring.dat", "out.dat"},
                      "'export' needs --format",
                      "Usage: orvanta export"},
        UsageErrorRow{"exportWithUnknownFormat",
                      {"export", "spring.dat", "out.dat", "--format", "xml"},
                      "unknown format 'xml'",
                      "Usage: orvanta export"},
        UsageErrorRow{"optionWithoutValue",
                      {"export", "spring.dat", "out.dat", "--format"},
                      "option --format needs a value",
                      "Usage: orvanta export"},
        UsageErrorRow{"optionTwice",
                      {"export", "spring.dat", "out.dat", "--format", "html", "--format", "complete"},
                      "option --format is given twice",
                      "Usage: orvanta export"},
        UsageErrorRow{"dateWithOneDigitMonth",
                      {"export", "spring.dat", "out.dat", "--format", "complete", "--from", "2002-3-01"},
                      "--from wants a date as YYYY-MM-DD, not '2002-3-01'",
                      "Usage: orvanta export"},
        UsageErrorRow{"dateInLogFormat",
                      {"export", "spring.dat", "out.dat", "--format", "complete", "--to", "03/28/02"},
                      "--to wants a date as YYYY-MM-DD, not '03/28/02'",
                      "Usage: orvanta export"},
        UsageErrorRow{"thirtiethOfFebruary",
                      {"export", "spring.dat", "out.dat", "--format", "complete", "--to", "2002-02-30"},
                      "--to wants a date as YYYY-MM-DD, not '2002-02-30'",
                      "Usage: orvanta export"},
        UsageErrorRow{"twentyNinthOfFebruaryInACommonYear",
                      {"export", "spring.dat", "out.dat", "--format", "complete", "--from", "2003-02-29"},
                      "--from wants a date as YYYY-MM-DD, not '2003-02-29'",
                      "Usage: orvanta export"},
        UsageErrorRow{"thirteenthMonth",
                      {"export", "spring.dat", "out.dat", "--format", "complete", "--from", "2002-13-01"},
                      "--from wants a date as YYYY-MM-DD, not '2002-13-01'",
                      "Usage: orvanta export"},
        UsageErrorRow{"addUnknownCategory",
                      {"add", "spring.dat", "--time", "45:00", "--category", "Easy"},
                      "--category is Training, Intervals or Race, not 'Easy'",
                      "Usage: orvanta add LOG"},
        UsageErrorRow{"totalsUnknownPeriod",
                      {"totals", "spring.dat", "--period", "fortnight"},
                      "--period is week, month or year, not 'fortnight'",
                      "Usage: orvanta totals LOG"}),
    [](const ::testing::TestParamInfo<UsageErrorRow>& info) { return std::string(info.param.name); });

TEST_F(CliUsage, leapDay_isAcceptedAsADate)
{
    copyFixture(kSpringLog, folder.work(), "spring.dat");
    CliResult result = runOrvanta(
        {"export", "spring.dat", "out.dat", "--format", "entries", "--from", "2000-02-29", "--to", "2002-03-01"},
        folder.work());
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(readBytes(folder.work() / "out.dat"), crlfLines({kMarch1}));
}

}  // namespace
