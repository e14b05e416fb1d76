// orvanta add: the built tool fills the form, stores the entry as Save
// does, saves the log and prints the entry's line.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <cerrno>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "cli_runner.h"
#include "spring_log.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kColonsWarning =
    "Data input error!: You had more than two colons (:) in your input; the extra ones have been ignored.\n";

class CliAdd : public ::testing::Test {
protected:
    TempFolder folder;
    fs::path log;

    void SetUp() override { log = copyFixture(kSpringLog, folder.work(), "spring.dat"); }

    // The log as Save writes it: the header, then the entries, CR LF each.
    static std::string savedLog(std::vector<std::string> entries)
    {
        std::vector<std::string> lines = kSpringHeader;
        lines.insert(lines.end(), entries.begin(), entries.end());
        return crlfLines(lines);
    }
    // Without env the tool sees a settings folder of this test's own, empty.
    CliResult add(std::vector<std::string> options, std::vector<std::string> env = {})
    {
        if (env.empty())
            env.push_back("XDG_CONFIG_HOME=" + (folder.work() / "no-settings").string());
        options.insert(options.begin(), {"add", "spring.dat"});
        return runOrvanta(options, folder.work(), env);
    }
};

TEST_F(CliAdd, distanceAndTime_givesThePace_savedInDateOrder_lineOnStdout)
{
    const CliResult result = add({"--date", "2002-03-20", "--distance", "6.2", "--time", "4936", "--route",
                                  "River loop", "--comment", "felt good"});
    const std::string added = "03/20/02\tTR\t6.2M\t49:36\t8:00\tRiver loop\tfelt good";
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, added + "\n");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(readBytes(log), savedLog({kMarch1, kMarch14Bike, kMarch14Swim, added, kMarch28Race, kApril2, kApril15}));
    // Saved as File > Save saves: the old file kept as the backup.
    EXPECT_EQ(readBytes(folder.work() / "spring.bak"), lfLines(kSpringHeader) + lfLines(kSpringEntries));
}

struct ComputedRow {
    const char* name;
    std::vector<std::string> options;
    const char* line;
};

class CliAddComputes : public CliAdd, public ::testing::WithParamInterface<ComputedRow> {};

TEST_P(CliAddComputes, theMissingValue)
{
    const ComputedRow& row = GetParam();
    const CliResult result = add(row.options);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, std::string(row.line) + "\n");
}

INSTANTIATE_TEST_SUITE_P(Rows, CliAddComputes,
                         ::testing::Values(ComputedRow{"timeFromKilometresAndPace",
                                                       {"--date", "2002-03-21", "--distance", "5", "--units", "km",
                                                        "--pace", "8:00"},
                                                       "03/21/02\tTR\t5K\t~24:51.3\t8:00\t\t"},
                                           ComputedRow{"distanceFromTimeAndPace",
                                                       {"--date", "2002-03-21", "--time", "49:36", "--pace", "800"},
                                                       "03/21/02\tTR\t~6.2M\t49:36\t8:00\t\t"},
                                           ComputedRow{"speedOfARide",
                                                       {"--date", "2002-03-21", "--sport", "Cycling", "--category",
                                                        "Intervals", "--distance", "30", "--time", "1:00:00"},
                                                       "03/21/02\tIC\t30K\t1:00:00\t30.0\t\t"},
                                           ComputedRow{"noPaceUnits_nothingComputed",
                                                       {"--date", "2002-03-21", "--sport", "Swimming", "--distance",
                                                        "1500", "--time", "30:00"},
                                                       "03/21/02\tTS\t1500Y\t30:00\t\t\t"},
                                           ComputedRow{"sportNone_raceWithoutUnits",
                                                       {"--date", "2002-03-21", "--sport", "None", "--category", "Race",
                                                        "--distance", "5", "--time", "20:00"},
                                                       "03/21/02\tR \t5\t20:00\t\t\t"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CliAdd, sameDay_goesAfterThatDaysEntries)
{
    const CliResult result = add({"--date", "2002-03-14", "--comment", "third that day"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    const std::string added = "03/14/02\tTR\t\t\t\t\tthird that day";
    EXPECT_EQ(readBytes(log), savedLog({kMarch1, kMarch14Bike, kMarch14Swim, added, kMarch28Race, kApril2, kApril15}));
}

TEST_F(CliAdd, noDate_isToday_firstSportAndTraining)
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char today[16];
    std::strftime(today, sizeof today, "%m/%d/%y", &local);
    const CliResult result = add({"--comment", "rest"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, std::string(today) + "\tTR\t\t\t\t\trest\n");
}

TEST_F(CliAdd, emptyForm_nothingToSave_exitsOne_logUntouched)
{
    const std::string before = readBytes(log);
    const CliResult result = add({"--category", "Race", "--units", "km"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "Orvanta: Nothing to save!\n");
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(readBytes(log), before);
    EXPECT_FALSE(fs::exists(folder.work() / "spring.bak"));
}

TEST_F(CliAdd, missingLog_itsMessage_exitsOne)
{
    const CliResult result = runOrvanta({"add", "nowhere.dat", "--time", "45:00"}, folder.work());
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "Orvanta: Couldn't find " + (folder.work() / "nowhere.dat").string() +
                              ". Use File->Open to open a log or File->New to start a new log.\n");
    EXPECT_FALSE(fs::exists(folder.work() / "nowhere.dat"));
}

TEST_F(CliAdd, unknownSport_exitsOne_logUntouched)
{
    const std::string before = readBytes(log);
    const CliResult result = add({"--sport", "Rowing", "--time", "45:00"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "orvanta: " + log.string() + " has no sport named 'Rowing'\n");
    EXPECT_EQ(readBytes(log), before);
}

TEST_F(CliAdd, inputWarnings_goToStderr_theEntryIsStillAdded)
{
    const CliResult result =
        add({"--date", "2002-04-01", "--time", "1:2:3:4", "--distance", "3.1.4", "--units", "miles"});
    EXPECT_EQ(result.exitCode, 0);
    // Each field in the form's order: the distance, then the time.
    EXPECT_EQ(result.err,
              "Data input error!: You had more than one decimal point (.) in your input; the extra ones have been "
              "ignored.\n" +
                  std::string(kColonsWarning));
    EXPECT_EQ(result.out, "04/01/02\tTR\t3.14M\t1:02:34\t19:55.5\t\t\n");
}

TEST_F(CliAdd, textsCutAsTheFormsBoxesCutThem)
{
    const std::string longText(600, 'x');
    const CliResult result = add({"--date", "2002-04-01", "--units", "none", "--distance", "1234567890", "--route",
                                  longText, "--comment", "two\nlines"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "04/01/02\tTR\t123456789\t\t\t" + std::string(511, 'x') + "\ttwo lines\n");
}

// "42.195000" fills the nine characters: with a unit the box takes eight,
// so the stored text keeps its "K" and reads back in kilometres.
TEST_F(CliAdd, nineCharacterDistance_keepsItsUnitLetter)
{
    const CliResult result = add({"--date", "2002-04-01", "--distance", "42.195000", "--units", "km"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "04/01/02\tTR\t42.19500K\t\t\t\t\n");
    const CliResult listed = runOrvanta({"list", "spring.dat"}, folder.work());
    EXPECT_NE(listed.out.find("04/01/02\tTR\t42.19500K\t"), std::string::npos) << listed.out;
}

// The log holds Latin-1, the command line and the terminal speak UTF-8.
TEST_F(CliAdd, textsGoInAsLatin1_andComeOutAsUtf8)
{
    const CliResult result = add({"--date", "2002-04-01", "--route", "Z\xC3\xBCrich", "--comment", "caf\xC3\xA9"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "04/01/02\tTR\t\t\t\tZ\xC3\xBCrich\tcaf\xC3\xA9\n");
    EXPECT_NE(readBytes(log).find("\tZ\xFCrich\tcaf\xE9\r\n"), std::string::npos);
    const CliResult listed = runOrvanta({"list", "spring.dat"}, folder.work());
    EXPECT_NE(listed.out.find("\tZ\xC3\xBCrich\tcaf\xC3\xA9\n"), std::string::npos) << listed.out;

    const std::string before = readBytes(log);
    const CliResult omega = add({"--date", "2002-04-01", "--comment", "\xCE\xA9 run"});
    EXPECT_EQ(omega.exitCode, 2);
    EXPECT_NE(omega.err.find("--comment holds '\xCE\xA9'"), std::string::npos) << omega.err;
    EXPECT_EQ(readBytes(log), before);
}

// A log that had rejected lines is not written back: they would vanish.
TEST_F(CliAdd, logWithRejectedLines_isNotChanged_exitsOne)
{
    std::string broken = readBytes(log);
    broken.insert(broken.find("03/14/02"), "not an entry\n");
    writeBytes(log, broken);
    const CliResult result = add({"--date", "2002-04-01", "--distance", "3"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err,
              "Orvanta: Warning! Proceed with caution! Some of the data in this file was in the incorrect format. "
              "Some entries may have been lost or truncated.\nOrvanta: " +
                  log.string() + " was not changed: some of its lines could not be read.\n");
    EXPECT_EQ(readBytes(log), broken);
    EXPECT_FALSE(fs::exists(folder.work() / "spring.bak"));
}

// Exit 1 means the log was not changed: the line is written out first, and
// when that fails nothing is saved, so a script may safely retry.
TEST_F(CliAdd, outputThatCantBeWritten_exitsOne_andSavesNothing)
{
    const std::string before = readBytes(log);
    const CliResult result = runOrvanta({"add", "spring.dat", "--date", "2002-04-01", "--distance", "3"}, folder.work(),
                                        {"XDG_CONFIG_HOME=" + (folder.work() / "no-settings").string()}, "/dev/full");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "orvanta: can't write to standard output\n");
    EXPECT_EQ(readBytes(log), before);
}

// Past the file-size limit the save fails with a message and exit 1; the
// tool is not killed by the signal, and the log stays as it was.
TEST_F(CliAdd, saveBeyondTheFileSizeLimit_isReported_logUntouched)
{
    std::string big = readBytes(log);
    for (int i = 0; i < 40; ++i)
        big.insert(big.find("04/15/02"), "04/14/02\tTR\t3M\t27:00\t9:00\t\t" + std::string(400, 'c') + "\n");
    writeBytes(log, big);
    struct rlimit old {};
    ::getrlimit(RLIMIT_FSIZE, &old);
    struct rlimit limit = old;
    limit.rlim_cur = 8192;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    const CliResult result = add({"--date", "2002-04-01", "--distance", "3"});
    ::setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err.rfind("Orvanta: Problem trying to create or write to file \"" + log.string() +
                                   "\": system error# " + std::to_string(EFBIG),
                               0),
              0u)
        << result.err;
    EXPECT_EQ(readBytes(log), big);
    for (const auto& item : fs::directory_iterator(folder.work()))
        EXPECT_NE(item.path().filename().string().rfind(".spring.dat.", 0), 0u) << item.path();
}

// Under a minute a time keeps "0:" (alone, "45" reads back as 45 minutes);
// 100 hours or more do not fit the field and are refused where typed.
TEST_F(CliAdd, timeUnderAMinute_keepsItsZeroMinutes_hundredHoursIsRefused)
{
    const CliResult result = add({"--date", "2002-04-01", "--units", "none", "--time", "0:45"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "04/01/02\tTR\t\t0:45\t\t\t\n");
    const CliResult listed = runOrvanta({"list", "spring.dat"}, folder.work());
    EXPECT_NE(listed.out.find("04/01/02\tTR\t\t0:45\t"), std::string::npos) << listed.out;

    const CliResult hundred = add({"--date", "2002-04-02", "--time", "100:00:00", "--comment", "long"});
    EXPECT_EQ(hundred.exitCode, 0) << hundred.err;
    EXPECT_EQ(hundred.err,
              "Data input error!: Times of 100 hours or more don't fit in a log; the time has been "
              "cleared.\n");
    EXPECT_EQ(hundred.out, "04/02/02\tTR\t\t\t\t\tlong\n");
}

TEST_F(CliAdd, conversionOnDataEntry_storesTheSportsUnits)
{
    std::string text = readBytes(log);
    text.replace(text.find("Preferences: 1  1  1"), 20, "Preferences: 1  1  2");
    writeBytes(log, text);
    const CliResult result = add({"--date", "2002-04-01", "--distance", "10", "--units", "km", "--time", "44:10"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "04/01/02\tTR\t6.2M\t44:10\t7:06.5\t\t\n");
}

TEST_F(CliAdd, downloadLogOfTheSettings_getsEachAddedLine_settingsUntouched)
{
    const fs::path config = folder.work() / "config";
    const fs::path palm = folder.work() / "Palm Sync" / "Orvanta";
    fs::create_directories(config / "Halvery Software");
    fs::create_directories(palm);
    // As the desktop program's settings write it: names percent-escaped.
    const std::string settings = "[Windows]\nDefault%20Log=\nDownload%20Log=" + (palm / "Download.dat").string() + "\n";
    writeBytes(config / "Halvery Software" / "The Orvanta.ini", settings);
    const std::vector<std::string> env = {"XDG_CONFIG_HOME=" + config.string()};
    ASSERT_EQ(add({"--date", "2002-03-20", "--comment", "one"}, env).exitCode, 0);
    ASSERT_EQ(add({"--date", "2002-03-02", "--comment", "two"}, env).exitCode, 0);
    EXPECT_EQ(readBytes(palm / "Download.dat"), crlfLines({"03/20/02\tTR\t\t\t\t\tone", "03/02/02\tTR\t\t\t\t\ttwo"}));
    // The tool reads the settings but never writes them, not even "Default Log".
    EXPECT_EQ(readBytes(config / "Halvery Software" / "The Orvanta.ini"), settings);
}

TEST_F(CliAdd, quotedDownloadLog_withACommaInItsName)
{
    const fs::path config = folder.work() / "config";
    fs::create_directories(config / "Halvery Software");
    const fs::path download = folder.work() / "Orvanta, Palm" / "Download.dat";
    fs::create_directories(download.parent_path());
    writeBytes(config / "Halvery Software" / "The Orvanta.ini",
               "[Windows]\nDownload%20Log=\"" + download.string() + "\"\n");
    ASSERT_EQ(add({"--date", "2002-03-20", "--comment", "one"}, {"XDG_CONFIG_HOME=" + config.string()}).exitCode, 0);
    EXPECT_EQ(readBytes(download), crlfLines({"03/20/02\tTR\t\t\t\t\tone"}));
}

struct AddUsageRow {
    const char* name;
    std::vector<std::string> options;
    const char* problem;
};

class CliAddUsage : public CliAdd, public ::testing::WithParamInterface<AddUsageRow> {};

TEST_P(CliAddUsage, isAUsageError_logUntouched)
{
    const AddUsageRow& row = GetParam();
    const std::string before = readBytes(log);
    const CliResult result = add(row.options);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.err.substr(0, result.err.find('\n')), std::string("orvanta: ") + row.problem);
    EXPECT_NE(result.err.find("Usage: orvanta add LOG"), std::string::npos);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(readBytes(log), before);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CliAddUsage,
    ::testing::Values(AddUsageRow{"unknownUnits",
                                  {"--units", "furlongs"},
                                  "--units is none, miles, km, yards or meters, not 'furlongs'"},
                      AddUsageRow{"categoryInLowerCase",
                                  {"--category", "race"},
                                  "--category is Training, Intervals or Race, not 'race'"},
                      AddUsageRow{"dateBeforeTheWindow",
                                  {"--date", "1949-12-31"},
                                  "--date wants a date from 1950-01-01 to 2049-12-31 as YYYY-MM-DD, not '1949-12-31'"},
                      AddUsageRow{"dateAfterTheWindow",
                                  {"--date", "2050-01-01"},
                                  "--date wants a date from 1950-01-01 to 2049-12-31 as YYYY-MM-DD, not '2050-01-01'"},
                      AddUsageRow{"unknownOption", {"--weight", "70"}, "'add' has no option --weight"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
