// orvanta list: reads a log as File > Open does and prints its entry lines.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli_runner.h"
#include "spring_log.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kNotALogMessage = "Orvanta: This file does not appear to be an Orvanta log file.\n";
constexpr const char* kRejectedMessage =
    "Orvanta: Warning! Proceed with caution! Some of the data in this file was in the incorrect format. Some "
    "entries may have been lost or truncated.\n";

std::string couldntFind(const fs::path& path)
{
    return "Orvanta: Couldn't find " + path.string() +
           ". Use File->Open to open a log or File->New to start a new log.\n";
}

class CliList : public ::testing::Test {
protected:
    TempFolder folder;
};

TEST_F(CliList, printsEveryEntryLineInLogOrder)
{
    copyFixture(kSpringLog, folder.work(), "spring.dat");
    CliResult result = runOrvanta({"list", "spring.dat"}, folder.work());
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, lfLines(kSpringEntries));
    EXPECT_EQ(result.err, "");
}

TEST_F(CliList, crLfAndCrOnlyLineEnds_printTheSameLines)
{
    std::string lfText = readBytes(copyFixture(kSpringLog, folder.work(), "lf.dat"));
    std::string crlfText;
    std::string crText;
    for (char c : lfText) {
        crlfText += c == '\n' ? std::string("\r\n") : std::string(1, c);
        crText += c == '\n' ? '\r' : c;
    }
    writeBytes(folder.work() / "crlf.dat", crlfText);
    writeBytes(folder.work() / "cr.dat", crText);
    for (const char* name : {"crlf.dat", "cr.dat"}) {
        CliResult result = runOrvanta({"list", name}, folder.work());
        EXPECT_EQ(result.exitCode, 0) << name;
        EXPECT_EQ(result.out, lfLines(kSpringEntries)) << name;
        EXPECT_EQ(result.err, "") << name;
    }
}

TEST_F(CliList, logOfNoEntries_printsNothing_exitsZero)
{
    writeBytes(folder.work() / "empty.dat", crlfLines(kSpringHeader));
    CliResult result = runOrvanta({"list", "empty.dat"}, folder.work());
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "");
}

TEST_F(CliList, backupCopy_isReadItself)
{
    copyFixture(kSpringLog, folder.work(), "spring.bak");
    CliResult result = runOrvanta({"list", "spring.bak"}, folder.work());
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, lfLines(kSpringEntries));
    EXPECT_FALSE(fs::exists(folder.work() / "spring.dat"));
}

// The message names the file as a file dialog would: absolute, without
// "." or ".." steps.
TEST_F(CliList, missingLog_namesItsAbsolutePath_exitsOne)
{
    fs::create_directory(folder.work() / "sub");
    struct Row {
        const char* typed;
        fs::path named;
    } rows[] = {
        {"missing.dat", folder.work() / "missing.dat"},
        {"./sub/../missing.dat", folder.work() / "missing.dat"},
        {"sub//./missing.dat", folder.work() / "sub" / "missing.dat"},
        {"nofolder/missing.dat", folder.work() / "nofolder" / "missing.dat"},
    };
    for (const Row& row : rows) {
        CliResult result = runOrvanta({"list", row.typed}, folder.work());
        EXPECT_EQ(result.exitCode, 1) << row.typed;
        EXPECT_EQ(result.out, "") << row.typed;
        EXPECT_EQ(result.err, couldntFind(row.named)) << row.typed;
    }
    std::string absolute = (folder.work() / "sub" / "gone.dat").string();
    CliResult result = runOrvanta({"list", absolute}, folder.work());
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, couldntFind(absolute));
}

TEST_F(CliList, fileThatIsNotALog_isRefused_exitsOne)
{
    copyFixture("plain_text_not_a_log.txt", folder.work(), "notes.txt");
    CliResult result = runOrvanta({"list", "notes.txt"}, folder.work());
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, kNotALogMessage);
}

TEST_F(CliList, rejectedEntryLine_warnsOnce_printsTheRest_exitsZero)
{
    copyFixture("entry_line_without_tab.dat", folder.work(), "damaged.dat");
    CliResult result = runOrvanta({"list", "damaged.dat"}, folder.work());
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out,
              lfLines({"03/01/02\tTR\t5M\t45:00\t9:00\tRiver loop\t", "03/03/02\tTR\t6M\t54:00\t9:00\tRiver loop\t"}));
    EXPECT_EQ(result.err, kRejectedMessage);
}

// Reading normalises each time as leaving the time field does, with the
// same input message.
TEST_F(CliList, timeWithThreeColons_isNormalisedWithItsMessage)
{
    copyFixture("time_with_three_colons.dat", folder.work(), "colons.dat");
    CliResult result = runOrvanta({"list", "colons.dat"}, folder.work());
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, lfLines({"03/01/02\tTR\t5M\t1:02:34\t\tRiver loop\t"}));
    EXPECT_EQ(result.err,
              "Data input error!: You had more than two colons (:) in your input; the extra ones have been "
              "ignored.\n");
}

TEST_F(CliList, logIsLeftUnchanged)
{
    fs::path log = copyFixture(kSpringLog, folder.work(), "spring.dat");
    std::string before = readBytes(log);
    runOrvanta({"list", "spring.dat"}, folder.work());
    EXPECT_EQ(readBytes(log), before);
    EXPECT_FALSE(fs::exists(folder.work() / "spring.bak"));
}

}  // namespace
