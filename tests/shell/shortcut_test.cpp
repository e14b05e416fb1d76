// Menu entries for a log and for the program: names, folders, the entry's
// text and every failure message.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "scripted_prompt.h"
#include "shell/logic/shortcut.h"

namespace fs = std::filesystem;

namespace {

std::string readBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeBytes(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<std::string> fileNames(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& item : fs::directory_iterator(folder))
        names.push_back(item.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// "CAPTION|TEXT|icon|buttons" of each message, so a wrong icon shows too.
std::vector<std::string> messages(const ScriptedPrompt& prompt)
{
    std::vector<std::string> out;
    for (const auto& m : prompt.shown)
        out.push_back(m.caption + "|" + m.text + "|" + std::to_string(static_cast<int>(m.icon)) + "|" +
                      std::to_string(static_cast<int>(m.buttons)));
    return out;
}

std::string warningOk(const std::string& caption, const std::string& text)
{
    return caption + "|" + text + "|" + std::to_string(static_cast<int>(UserPrompt::Icon::Warning)) + "|" +
           std::to_string(static_cast<int>(UserPrompt::Buttons::Ok));
}

std::string plainOk(const std::string& caption, const std::string& text)
{
    return caption + "|" + text + "|" + std::to_string(static_cast<int>(UserPrompt::Icon::None)) + "|" +
           std::to_string(static_cast<int>(UserPrompt::Buttons::Ok));
}

// Sets an environment variable for the life of the object.
class ScopedVariable {
public:
    ScopedVariable(const char* name, std::optional<std::string> value) : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old;
        if (value)
            ::setenv(name, value->c_str(), 1);
        else
            ::unsetenv(name);
    }
    ~ScopedVariable()
    {
        if (m_old)
            ::setenv(m_name, m_old->c_str(), 1);
        else
            ::unsetenv(m_name);
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

// A fresh folder per test holding the data home, a home and the logs.
class Shortcut : public ::testing::Test {
protected:
    Shortcut()
        : root(makeRoot()), dataHome("XDG_DATA_HOME", (root / "data").string()), home("HOME", (root / "home").string())
    {
        fs::create_directories(root / "logs");
    }
    ~Shortcut() override
    {
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }

    static fs::path makeRoot()
    {
        std::string pattern = (fs::temp_directory_path() / "orvanta-shortcut-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("can't make a temporary folder");
        return pattern;
    }

    fs::path menuFolder() const { return root / "data" / "applications" / "Orvanta"; }

    fs::path root;
    ScopedVariable dataHome;
    ScopedVariable home;
    ScriptedPrompt prompt;
};

struct LogNameRow {
    const char* name;
    const char* path;
    const char* entryName;
    const char* workingDirectory;
};

class LogShortcutNames : public ::testing::TestWithParam<LogNameRow> {};

TEST_P(LogShortcutNames, nameIsTheFileLessFourCharacters_folderIsThePathBeforeIt)
{
    ShortcutRequest request = logShortcut(GetParam().path);
    EXPECT_EQ(request.target, GetParam().path);
    EXPECT_EQ(request.name, GetParam().entryName);
    EXPECT_EQ(request.workingDirectory, GetParam().workingDirectory);
    EXPECT_EQ(request.failureTitle, "Orvanta");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LogShortcutNames,
    ::testing::Values(LogNameRow{"logWithExtension", "/home/ann/Logs/Running 2004.dat", "Running 2004",
                                 "/home/ann/Logs"},
                      LogNameRow{"logWithoutExtension", "/logs/Morning", "Mor", "/logs"},
                      LogNameRow{"backslashSeparators", "D:\\Logs\\Running 2004.dat", "Running 2004", "D:\\Logs"},
                      LogNameRow{"lastOfBothSeparators", "/mnt/d\\Logs/Bike.dat", "Bike", "/mnt/d\\Logs"},
                      LogNameRow{"logInTheRootFolder", "/Run.dat", "Run", "/"},
                      LogNameRow{"fourCharactersOrFewer", "/logs/abcd", "", "/logs"}),
    [](const ::testing::TestParamInfo<LogNameRow>& info) { return std::string(info.param.name); });

TEST(ProgramShortcut, isNamedOrvanta_startsInTheInstallFolder)
{
    ShortcutRequest request = programShortcut("/home/ann/.local/opt/Orvanta", "/home/ann/.local/opt/Orvanta/ORVXP");
    EXPECT_EQ(request.target, "/home/ann/.local/opt/Orvanta/ORVXP");
    EXPECT_EQ(request.name, "Orvanta");
    EXPECT_EQ(request.workingDirectory, "/home/ann/.local/opt/Orvanta");
    EXPECT_EQ(request.failureTitle, "Orvanta Installer");
}

TEST_F(Shortcut, logEntry_opensTheLogFromItsFolder_creatingTheMenuFolder)
{
    fs::path log = root / "logs" / "Running 2004.dat";
    writeBytes(log, "Sports List: 0\r\n");
    createShortcut(logShortcut(log.string()), prompt);
    EXPECT_EQ(messages(prompt), std::vector<std::string>{});
    EXPECT_EQ(fileNames(menuFolder()), std::vector<std::string>{"Running 2004.desktop"});
    EXPECT_EQ(readBytes(menuFolder() / "Running 2004.desktop"),
              "[Desktop Entry]\n"
              "Type=Application\n"
              "Name=Running 2004\n"
              "Exec=xdg-open \"" +
                  log.string() +
                  "\"\n"
                  "Path=" +
                  (root / "logs").string() +
                  "\n"
                  "Icon=orvanta\n"
                  "Terminal=false\n");
}

TEST_F(Shortcut, logWithoutExtension_isNamedForItsFirstCharacters)
{
    fs::path log = root / "logs" / "Morning";
    createShortcut(logShortcut(log.string()), prompt);
    EXPECT_EQ(messages(prompt), std::vector<std::string>{});
    EXPECT_EQ(fileNames(menuFolder()), std::vector<std::string>{"Mor.desktop"});
}

TEST_F(Shortcut, programEntry_runsTheProgramItself)
{
    fs::path folder = root / "opt" / "Orvanta";
    fs::create_directories(folder);
    fs::path program = folder / "ORVXP";
    writeBytes(program, "#!/bin/sh\n");
    fs::permissions(program, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
    createShortcut(programShortcut(folder.string(), program.string()), prompt);
    EXPECT_EQ(messages(prompt), std::vector<std::string>{});
    EXPECT_EQ(readBytes(menuFolder() / "Orvanta.desktop"),
              "[Desktop Entry]\n"
              "Type=Application\n"
              "Name=Orvanta\n"
              "Exec=\"" +
                  program.string() +
                  "\"\n"
                  "Path=" +
                  folder.string() +
                  "\n"
                  "Icon=orvanta\n"
                  "Terminal=false\n");
}

// A second install replaces the program's entry; the log entries beside it stay.
TEST_F(Shortcut, sameName_isOverwritten_othersStay)
{
    createShortcut(logShortcut((root / "logs" / "Week.dat").string()), prompt);
    std::string logEntry = readBytes(menuFolder() / "Week.desktop");
    writeBytes(menuFolder() / "Orvanta.desktop",
               "an older entry, longer than the new one will be" + std::string(900, '.'));
    createShortcut(programShortcut("/opt/first", "/opt/first/ORVXP"), prompt);
    createShortcut(programShortcut("/opt/second", "/opt/second/ORVXP"), prompt);
    EXPECT_EQ(messages(prompt), std::vector<std::string>{});
    EXPECT_EQ(fileNames(menuFolder()), (std::vector<std::string>{"Orvanta.desktop", "Week.desktop"}));
    EXPECT_EQ(readBytes(menuFolder() / "Orvanta.desktop"),
              "[Desktop Entry]\nType=Application\nName=Orvanta\nExec=xdg-open \"/opt/second/ORVXP\"\n"
              "Path=/opt/second\nIcon=orvanta\nTerminal=false\n");
    EXPECT_EQ(readBytes(menuFolder() / "Week.desktop"), logEntry);
}

TEST_F(Shortcut, homeAlone_givesTheFolderUnderLocalShare)
{
    ScopedVariable noDataHome("XDG_DATA_HOME", std::nullopt);
    createShortcut(logShortcut("/logs/Run.dat"), prompt);
    EXPECT_EQ(messages(prompt), std::vector<std::string>{});
    EXPECT_TRUE(fs::is_regular_file(root / "home" / ".local" / "share" / "applications" / "Orvanta" / "Run.desktop"));
    EXPECT_FALSE(fs::exists(root / "data"));
}

TEST(ExecQuoting, quotesAndEscapesTheReservedCharacters)
{
    EXPECT_EQ(quoteExecArgument("/logs/My Log.dat"), "\"/logs/My Log.dat\"");
    EXPECT_EQ(quoteExecArgument("/a\"b`c$d\\e%f"), "\"/a\\\"b\\`c\\$d\\\\e%%f\"");
}

// The Exec value also takes the string escapes: a literal backslash ends up
// as four, as desktop entry readers expect.
TEST(DesktopEntry, backslashesInPathsAreEscapedTwiceInExec_onceInPath)
{
    ShortcutRequest request{"/logs/a\\b.dat", " Week\\1 ", "/logs\\x", "Orvanta"};
    EXPECT_EQ(desktopEntryText(request, false),
              "[Desktop Entry]\n"
              "Type=Application\n"
              "Name=\\sWeek\\\\1\\s\n"
              "Exec=xdg-open \"/logs/a\\\\\\\\b.dat\"\n"
              "Path=/logs\\\\x\n"
              "Icon=orvanta\n"
              "Terminal=false\n");
}

struct RefusalRow {
    const char* name;
    ShortcutRequest request;
    const char* message;
};

class ShortcutRefused : public Shortcut, public ::testing::WithParamInterface<RefusalRow> {};

// A path the entry can't hold stops before anything is made.
TEST_P(ShortcutRefused, reportsTheFailingStep_writesNothing)
{
    createShortcut(GetParam().request, prompt);
    EXPECT_EQ(messages(prompt),
              std::vector<std::string>{warningOk(GetParam().request.failureTitle, GetParam().message)});
    EXPECT_FALSE(fs::exists(root / "data" / "applications"));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ShortcutRefused,
    ::testing::Values(
        RefusalRow{"emptyTarget", {"", "Run", "/logs", "Orvanta"}, "Create Link failure #3"},
        RefusalRow{"targetWithNewline", {"/logs/a\nb.dat", "a", "/logs", "Orvanta"}, "Create Link failure #3"},
        RefusalRow{"targetWithTab", {"/logs/a\tb.dat", "a", "/logs", "Orvanta Installer"}, "Create Link failure #3"},
        RefusalRow{"targetWithEscape", {"/logs/a\x1b.dat", "a", "/logs", "Orvanta"}, "Create Link failure #3"},
        RefusalRow{"emptyWorkingDirectory", {"Run.dat", "Run", "", "Orvanta"}, "Create Link failure #4"},
        RefusalRow{"workingDirectoryWithNewline",
                   {"/opt/o/ORVXP", "Orvanta", "/opt/o\n", "Orvanta Installer"},
                   "Create Link failure #4"}),
    [](const ::testing::TestParamInfo<RefusalRow>& info) { return std::string(info.param.name); });

TEST_F(Shortcut, menuFolderThatCantBeMade_isReportedOnce_underTheInstallersTitle)
{
    fs::create_directories(root / "data" / "applications");
    writeBytes(menuFolder(), "a file standing where the folder belongs");
    createShortcut(logShortcut("/logs/Run.dat"), prompt);
    createShortcut(programShortcut("/opt/o", "/opt/o/ORVXP"), prompt);
    EXPECT_EQ(messages(prompt), (std::vector<std::string>{
                                    warningOk("Halvery Software Installer", "Problem creating program file directory"),
                                    warningOk("Halvery Software Installer", "Problem creating program file directory"),
                                }));
    EXPECT_TRUE(fs::is_regular_file(menuFolder()));
}

TEST_F(Shortcut, applicationsFolderThatIsAFile_isReportedTheSame)
{
    fs::create_directories(root / "data");
    writeBytes(root / "data" / "applications", "");
    createShortcut(logShortcut("/logs/Run.dat"), prompt);
    EXPECT_EQ(messages(prompt), std::vector<std::string>{warningOk("Halvery Software Installer",
                                                                   "Problem creating program file directory")});
}

struct NoFolderRow {
    const char* name;
    std::optional<std::string> dataHome;
    std::optional<std::string> home;
};

class ShortcutWithoutFolder : public Shortcut, public ::testing::WithParamInterface<NoFolderRow> {};

TEST_P(ShortcutWithoutFolder, saysSoThenReportsStepFive)
{
    ScopedVariable dataHome("XDG_DATA_HOME", GetParam().dataHome);
    ScopedVariable home("HOME", GetParam().home);
    EXPECT_EQ(applicationsFolder(), "");
    createShortcut(logShortcut("/logs/Run.dat"), prompt);
    EXPECT_EQ(messages(prompt), (std::vector<std::string>{plainOk("", "Special Folder not found"),
                                                          warningOk("Orvanta", "Create Link failure #5")}));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ShortcutWithoutFolder,
    ::testing::Values(NoFolderRow{"bothUnset", std::nullopt, std::nullopt},
                      NoFolderRow{"bothEmpty", std::string(), std::string()},
                      NoFolderRow{"relativeDataHomeAndNoHome", std::string("share"), std::nullopt}),
    [](const ::testing::TestParamInfo<NoFolderRow>& info) { return std::string(info.param.name); });

// A failed write of the entry itself shows no message, and the menu folder
// holds nothing half-written.
TEST_F(Shortcut, failedWrite_showsNothing_leavesNoTemporaryFile)
{
    fs::create_directories(menuFolder() / "Run.desktop");
    createShortcut(logShortcut("/logs/Run.dat"), prompt);
    EXPECT_EQ(messages(prompt), std::vector<std::string>{});
    EXPECT_EQ(fileNames(menuFolder()), std::vector<std::string>{"Run.desktop"});
    EXPECT_TRUE(fs::is_directory(menuFolder() / "Run.desktop"));
}

TEST_F(Shortcut, nameThatCantBeAFile_writesNothing_showsNothing)
{
    createShortcut(logShortcut("/logs/abcd"), prompt);
    createShortcut(ShortcutRequest{"/logs/x.dat", "a/b", "/logs", "Orvanta"}, prompt);
    EXPECT_EQ(messages(prompt), std::vector<std::string>{});
    EXPECT_EQ(fileNames(menuFolder()), std::vector<std::string>{});
}

}  // namespace
