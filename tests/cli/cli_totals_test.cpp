// orvanta totals: the lines of the Totals page for a log, by week, month or
// year, with month names from the locale.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "cli_runner.h"
#include "spring_log.h"

namespace fs = std::filesystem;

namespace {

// The spring log by week (Monday weeks): the 10K race counts 6.2 miles for a
// sport kept in miles; the year's pace comes from its three runs together.
const std::vector<std::string> kYearLines = {
    "    2002     Running             3     1.9      14.4    8:05.6 ",
    "             Cycling             2     1.2      32.5      27.9 ",
    "             Swimming            1     0.5    1500.0           ",
    "                        Total    6     3.6                     ",
};

std::vector<std::string> withYear(std::vector<std::string> lines)
{
    lines.insert(lines.end(), kYearLines.begin(), kYearLines.end());
    return lines;
}

const std::vector<std::string> kWeekLines = withYear({
    "  02/25/02   Running             1     0.8       5.2      8:45 ",
    "  03/11/02   Cycling             1     0.7      20.0      30.0 ",
    "             Swimming            1     0.5    1500.0           ",
    "                        Total    2     1.2                     ",
    "  03/25/02   Running             1     0.7       6.2    7:06.5 ",
    "  04/01/02   Running             1     0.4       3.0      9:00 ",
    "  04/15/02   Cycling             1     0.5      12.5      25.0 ",
});

const std::vector<std::string> kMonthLines = withYear({
    "   Mar 02    Running             2     1.5      11.4    7:51.4 ",
    "             Cycling             1     0.7      20.0      30.0 ",
    "             Swimming            1     0.5    1500.0           ",
    "                        Total    4     2.7                     ",
    "   Apr 02    Running             1     0.4       3.0      9:00 ",
    "             Cycling             1     0.5      12.5      25.0 ",
    "                        Total    2     0.9                     ",
});

class CliTotals : public ::testing::Test {
protected:
    TempFolder folder;
    void SetUp() override { copyFixture(kSpringLog, folder.work(), "spring.dat"); }
};

TEST_F(CliTotals, byWeek_isTheDefault)
{
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"totals", "spring.dat"}, {"totals", "spring.dat", "--period", "week"}}) {
        CliResult result = runOrvanta(args, folder.work());
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(result.out, lfLines(kWeekLines));
        EXPECT_EQ(result.err, "");
    }
}

TEST_F(CliTotals, byMonth_englishMonthNamesUnderC)
{
    CliResult result = runOrvanta({"totals", "--period", "month", "spring.dat"}, folder.work());
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, lfLines(kMonthLines));
    EXPECT_EQ(result.err, "");
}

TEST_F(CliTotals, byYear)
{
    CliResult result = runOrvanta({"totals", "spring.dat", "--period", "year"}, folder.work());
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, lfLines(kYearLines));
}

TEST_F(CliTotals, logWithoutEntries_printsNothing)
{
    std::vector<std::string> header(kSpringHeader.begin(), kSpringHeader.end());
    writeBytes(folder.work() / "empty.dat", crlfLines(header));
    CliResult result = runOrvanta({"totals", "empty.dat", "--period", "month"}, folder.work());
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "");
}

TEST_F(CliTotals, missingLog_isReported_exitsOne)
{
    CliResult result = runOrvanta({"totals", "gone.dat"}, folder.work());
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "Orvanta: Couldn't find " + (folder.work() / "gone.dat").string() +
                              ". Use File->Open to open a log or File->New to start a new log.\n");
}

TEST_F(CliTotals, notALog_isReported_exitsOne)
{
    writeBytes(folder.work() / "notes.dat", "shopping list\r\n");
    CliResult result = runOrvanta({"totals", "notes.dat"}, folder.work());
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "Orvanta: This file does not appear to be an Orvanta log file.\n");
}

// Month names follow the locale; the numbers never do. The German locale is
// compiled into a folder of the test's own, so the machine need not have it.
// Whatever the locale's own encoding, the tool prints UTF-8.
TEST_F(CliTotals, germanLocale_germanMonthNames_pointsKept)
{
    TempFolder locales;
    for (const char* charset : {"ISO-8859-1", "UTF-8"}) {
        const std::string name = std::string("de_DE.") + charset;
        const std::string command = "localedef -i de_DE -f " + std::string(charset) + " '" +
                                    (locales.work() / name).string() + "' >/dev/null 2>&1";
        if (std::system(command.c_str()) != 0)
            GTEST_SKIP() << "localedef could not make " << name;
        CliResult result = runOrvanta({"totals", "spring.dat", "--period", "month"}, folder.work(),
                                      {"LOCPATH=" + locales.work().string(), "LC_ALL=" + name});
        EXPECT_EQ(result.exitCode, 0);
        std::vector<std::string> german = kMonthLines;
        german[0].replace(0, 10, "   M\xc3\xa4r 02 ");
        german[4].replace(0, 10, "   Apr 02 ");
        EXPECT_EQ(result.out, lfLines(german)) << name;
    }
}

}  // namespace
