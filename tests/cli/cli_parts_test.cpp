// The tool's own rules, checked without starting it: paths, dates and the
// prompt's fixed answers.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "cli/args.h"
#include "cli/cli_prompt.h"
#include "cli/cli_selection.h"
#include "cli/cli_settings.h"
#include "cli/commands.h"
#include "cli/paths.h"
#include "log/messages.h"

namespace {

struct PathRow {
    const char* typed;
    const char* currentDir;
    const char* absolute;
};

class AbsolutePath : public ::testing::TestWithParam<PathRow> {};

TEST_P(AbsolutePath, isTheCurrentFolderPlusThePath_cleanedBySpelling)
{
    EXPECT_EQ(absolutePath(GetParam().typed, GetParam().currentDir), GetParam().absolute);
}

INSTANTIATE_TEST_SUITE_P(Rows, AbsolutePath,
                         ::testing::Values(PathRow{"run.dat", "/home/ann/logs", "/home/ann/logs/run.dat"},
                                           PathRow{"./run.dat", "/home/ann/logs", "/home/ann/logs/run.dat"},
                                           PathRow{"../run.dat", "/home/ann/logs", "/home/ann/run.dat"},
                                           PathRow{"a/./b//../run.dat", "/home/ann", "/home/ann/a/run.dat"},
                                           PathRow{"/tmp/./x/../run.dat", "/home/ann", "/tmp/run.dat"},
                                           PathRow{"../../../../run.dat", "/home/ann", "/run.dat"},
                                           PathRow{"my log.dat", "/home/ann/My Logs", "/home/ann/My Logs/my log.dat"},
                                           PathRow{"run.dat", "/", "/run.dat"},
                                           PathRow{"logs/", "/home/ann", "/home/ann/logs"}));

struct DateRow {
    const char* text;
    bool valid;
    long key;
};

class IsoDates : public ::testing::TestWithParam<DateRow> {};

TEST_P(IsoDates, areReadOnlyInTheirExactForm)
{
    auto date = parseIsoDate(GetParam().text);
    ASSERT_EQ(date.has_value(), GetParam().valid) << GetParam().text;
    if (date) {
        EXPECT_EQ(isoDateKey(*date), GetParam().key);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, IsoDates,
                         ::testing::Values(DateRow{"2002-03-21", true, 1020321}, DateRow{"1999-03-21", true, 990321},
                                           DateRow{"2049-12-31", true, 1491231}, DateRow{"1950-01-01", true, 500101},
                                           DateRow{"2000-02-29", true, 1000229}, DateRow{"1900-02-29", false, 0},
                                           DateRow{"2002-04-31", false, 0}, DateRow{"2002-00-10", false, 0},
                                           DateRow{"2002-01-00", false, 0}, DateRow{"2002-1-10", false, 0},
                                           DateRow{"02-01-10", false, 0}, DateRow{"2002/01/10", false, 0},
                                           DateRow{"2002-01-10x", false, 0}, DateRow{" 2002-01-10", false, 0},
                                           DateRow{"", false, 0}));

TEST(ParseArgs, separatesCommandArgumentsAndOptionsWherever)
{
    ParsedArgs parsed;
    std::string error;
    ASSERT_TRUE(
        parseArgs({"--to", "2002-01-01", "export", "a.dat", "--format", "html", "b.htm", "--keep"}, parsed, error));
    EXPECT_EQ(parsed.command, "export");
    EXPECT_EQ(parsed.positional, (std::vector<std::string>{"a.dat", "b.htm"}));
    EXPECT_EQ(parsed.options,
              (std::map<std::string, std::string>{{"to", "2002-01-01"}, {"format", "html"}, {"keep", ""}}));
    EXPECT_FALSE(parsed.help);
}

TEST(ParseArgs, aSingleDashWordIsAnArgument)
{
    ParsedArgs parsed;
    std::string error;
    ASSERT_TRUE(parseArgs({"list", "-", "-x"}, parsed, error));
    EXPECT_EQ(parsed.positional, (std::vector<std::string>{"-", "-x"}));
    EXPECT_TRUE(parsed.options.empty());
}

class CliPromptTest : public ::testing::Test {
protected:
    void SetUp() override { stream = std::tmpfile(); }
    void TearDown() override { std::fclose(stream); }

    std::string written()
    {
        std::fflush(stream);
        std::rewind(stream);
        std::string text;
        for (int c = std::fgetc(stream); c != EOF; c = std::fgetc(stream))
            text += static_cast<char>(c);
        return text;
    }

    std::FILE* stream = nullptr;
};

TEST_F(CliPromptTest, everyMessageIsOneLine_captionThenText)
{
    CliPrompt prompt(stream);
    prompt.message("Orvanta", "There were no new entries in that file!", UserPrompt::Icon::Information,
                   UserPrompt::Buttons::Ok, UserPrompt::Answer::Ok);
    prompt.message("Orvanta: Bad Entry", "03/02/02 TR\r\nsecond line", UserPrompt::Icon::None, UserPrompt::Buttons::Ok,
                   UserPrompt::Answer::Ok);
    EXPECT_EQ(written(),
              "Orvanta: There were no new entries in that file!\n"
              "Orvanta: Bad Entry: 03/02/02 TR  second line\n");
}

TEST_F(CliPromptTest, startMenuQuestion_isAnsweredNo)
{
    CliPrompt prompt(stream);
    EXPECT_EQ(prompt.message(msg::kCaption, msg::kAddToStartMenu, UserPrompt::Icon::Question,
                             UserPrompt::Buttons::YesNo, UserPrompt::Answer::Yes),
              UserPrompt::Answer::No);
    EXPECT_EQ(written(), std::string("Orvanta: ") + msg::kAddToStartMenu + "\n");
}

TEST_F(CliPromptTest, otherQuestions_takeTheirDefaultButton)
{
    CliPrompt prompt(stream);
    EXPECT_EQ(prompt.message("Orvanta", "Replace?", UserPrompt::Icon::Question, UserPrompt::Buttons::YesNo,
                             UserPrompt::Answer::No),
              UserPrompt::Answer::No);
    EXPECT_EQ(prompt.message("Orvanta", "Go on?", UserPrompt::Icon::Question, UserPrompt::Buttons::OkCancel,
                             UserPrompt::Answer::Cancel),
              UserPrompt::Answer::Cancel);
    EXPECT_EQ(prompt.message("Orvanta", "Save?", UserPrompt::Icon::Question, UserPrompt::Buttons::YesNoCancel,
                             UserPrompt::Answer::Yes),
              UserPrompt::Answer::Yes);
}

TEST_F(CliPromptTest, fileDialogsAreCancelled)
{
    CliPrompt prompt(stream);
    EXPECT_EQ(prompt.saveFileName({"Save As", "MyNewLog.dat", "", UserPrompt::FileFilter::Logs}), std::nullopt);
    EXPECT_EQ(prompt.openFileName({"Open", "", "", UserPrompt::FileFilter::Logs}), std::nullopt);
}

TEST(ReadOnlySettingsTest, readsThrough_dropsWrites)
{
    auto memory = std::make_unique<MemorySettingsStore>();
    memory->strings["Download Log"] = "/home/ann/Download.dat";
    ReadOnlySettings settings(std::move(memory));
    settings.writeString("Default Log", "/tmp/x.dat");
    settings.writeInt("Top", 5);
    EXPECT_EQ(settings.readString("Download Log"), "/home/ann/Download.dat");
    EXPECT_EQ(settings.readString("Default Log"), std::nullopt);
    EXPECT_EQ(settings.readInt("Top"), std::nullopt);
}

// The environment is restored after each row, so the others see the test's own.
class SettingsPath : public ::testing::Test {
protected:
    void SetUp() override
    {
        saveVariable("XDG_CONFIG_HOME", configHome, hadConfigHome);
        saveVariable("HOME", home, hadHome);
    }
    void TearDown() override
    {
        restoreVariable("XDG_CONFIG_HOME", configHome, hadConfigHome);
        restoreVariable("HOME", home, hadHome);
    }
    static void saveVariable(const char* name, std::string& value, bool& had)
    {
        const char* v = std::getenv(name);
        had = v != nullptr;
        value = had ? v : "";
    }
    static void restoreVariable(const char* name, const std::string& value, bool had)
    {
        if (had)
            ::setenv(name, value.c_str(), 1);
        else
            ::unsetenv(name);
    }

    std::string configHome, home;
    bool hadConfigHome = false, hadHome = false;
};

TEST_F(SettingsPath, followsXdgConfigHome_elseHomeConfig)
{
    ::setenv("XDG_CONFIG_HOME", "/srv/conf", 1);
    ::setenv("HOME", "/home/ann", 1);
    EXPECT_EQ(userSettingsPath(), "/srv/conf/Halvery Software/The Orvanta.ini");
    ::setenv("XDG_CONFIG_HOME", "relative/conf", 1);
    EXPECT_EQ(userSettingsPath(), "/home/ann/.config/Halvery Software/The Orvanta.ini");
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(userSettingsPath(), "/home/ann/.config/Halvery Software/The Orvanta.ini");
    ::unsetenv("HOME");
    EXPECT_EQ(userSettingsPath(), "");
}

// The one step a later command takes with its log open: the selection of
// its command line, with the tool's exit statuses.
TEST(SelectFromArguments, appliesTheOptionsToTheOpenStore)
{
    auto store = std::make_unique<LogStore>();
    store->sports[1].name = "Running";
    store->sportCount = 1;
    for (const char* date : {"03/01/02", "03/02/02"}) {
        LogEntry entry;
        entry.dateText = date;
        entry.sportIndex = static_cast<std::uint16_t>(date[4] - '1');
        entry.commentText = "easy";
        deriveDateFields(entry, *store);
        store->insertSorted(entry);
    }
    std::FILE* err = std::tmpfile();
    CliPrompt prompt(err);
    ParsedArgs parsed;
    std::string problem;
    parsed.options = {{"sport", "Running"}};
    EXPECT_EQ(selectFromArguments(parsed, *store, prompt, problem), kExitOk);
    EXPECT_EQ(store->entry(0).selected + 2 * store->entry(1).selected, 2);

    parsed.options = {{"comment", "since hard"}};
    EXPECT_EQ(selectFromArguments(parsed, *store, prompt, problem), kExitFailed);
    parsed.options = {{"sport", "Rowing"}};
    EXPECT_EQ(selectFromArguments(parsed, *store, prompt, problem), kExitUsage);
    EXPECT_EQ(problem, "the log has no sport named 'Rowing'");
    parsed.options = {{"time", "approx"}};
    EXPECT_EQ(selectFromArguments(parsed, *store, prompt, problem), kExitUsage);
    std::fclose(err);
}

}  // namespace
