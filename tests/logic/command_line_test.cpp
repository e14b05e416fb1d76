// The log named on the command line: quoted or not, ".dat" in any case,
// anything else ignored; the name made absolute with its case kept.

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "shell/logic/command_line.h"

namespace {

std::string inCurrentFolder(const std::string& name)
{
    return (std::filesystem::current_path() / name).string();
}

struct CommandLineRow {
    const char* name;
    std::string commandLine;
    std::optional<std::string> log;
};

// Failures name the row.
void PrintTo(const CommandLineRow& row, std::ostream* out)
{
    *out << row.name;
}

class LogFromCommandLine : public ::testing::TestWithParam<CommandLineRow> {};

TEST_P(LogFromCommandLine, namesTheLogOrNothing)
{
    EXPECT_EQ(GetParam().log, logFromCommandLine(GetParam().commandLine));
}

INSTANTIATE_TEST_SUITE_P(
    Rule, LogFromCommandLine,
    ::testing::Values(CommandLineRow{"unquotedPath", "/home/ann/Logs/run.dat", "/home/ann/Logs/run.dat"},
                      CommandLineRow{"quotedPath", "\"/home/ann/Logs/run.dat\"", "/home/ann/Logs/run.dat"},
                      CommandLineRow{"quotedPathWithBlanks", "\"/home/ann/My Logs/run.dat\"",
                                     "/home/ann/My Logs/run.dat"},
                      CommandLineRow{"caseKept", "/Home/Ann/RUN.Dat", "/Home/Ann/RUN.Dat"},
                      CommandLineRow{"fiveCharactersIgnored", "a.DAT", std::nullopt},
                      CommandLineRow{"sixCharactersTaken", "ab.DAT", inCurrentFolder("ab.DAT")},
                      CommandLineRow{"relativeMadeAbsolute", "logs/run.dat", inCurrentFolder("logs/run.dat")},
                      CommandLineRow{"dotStepsRemoved", "/home/ann/./old/../run.dat", "/home/ann/run.dat"},
                      CommandLineRow{"quotedThenFurtherArgument", "\"/home/ann/run.dat\" -x", std::nullopt},
                      CommandLineRow{"quotedThenBlank", "\"/home/ann/run.dat\" ", std::nullopt},
                      CommandLineRow{"trailingBlank", "/home/ann/run.dat ", std::nullopt},
                      CommandLineRow{"otherExtension", "/home/ann/run.txt", std::nullopt},
                      CommandLineRow{"quotedOtherExtension", "\"/home/ann/run.txt\"", std::nullopt},
                      CommandLineRow{"unclosedQuote", "\"/home/ann/run.dat", std::nullopt},
                      CommandLineRow{"empty", "", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

struct JoinRow {
    const char* name;
    std::vector<const char*> arguments;  // after the program's name
    std::string joined;
};

void PrintTo(const JoinRow& row, std::ostream* out)
{
    *out << row.name;
}

class JoinArguments : public ::testing::TestWithParam<JoinRow> {};

TEST_P(JoinArguments, givesTheOneTextTheRuleReads)
{
    std::vector<const char*> argv{"ORVXP"};
    argv.insert(argv.end(), GetParam().arguments.begin(), GetParam().arguments.end());
    EXPECT_EQ(GetParam().joined, joinArguments(static_cast<int>(argv.size()), argv.data()));
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, JoinArguments,
    ::testing::Values(JoinRow{"none", {}, ""}, JoinRow{"onePath", {"/home/ann/run.dat"}, "/home/ann/run.dat"},
                      JoinRow{
                          "onePathWithBlanksQuoted", {"/home/ann/My Logs/run.dat"}, "\"/home/ann/My Logs/run.dat\""},
                      JoinRow{"twoJoinedByABlank", {"/home/ann/run.dat", "-x"}, "/home/ann/run.dat -x"},
                      JoinRow{"blanksInOneOfTwoNotQuoted", {"/a b/run.dat", "-x"}, "/a b/run.dat -x"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLine, aPathWithBlanksFromTheShellQualifies)
{
    const char* argv[] = {"ORVXP", "/home/ann/My Logs/run.dat"};
    EXPECT_EQ(std::optional<std::string>("/home/ann/My Logs/run.dat"), logFromCommandLine(joinArguments(2, argv)));
}

TEST(CommandLine, aLogFollowedByAnotherArgumentFromTheShellIsIgnored)
{
    const char* argv[] = {"ORVXP", "/home/ann/run.dat", "/home/ann/notes.txt"};
    EXPECT_EQ(std::nullopt, logFromCommandLine(joinArguments(3, argv)));
}

}  // namespace
