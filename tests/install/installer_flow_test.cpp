// The installer from start to end with scripted answers: what it copies,
// keeps, asks and refuses.
#include <gtest/gtest.h>

#include <filesystem>

#include "install/logic/association.h"
#include "install_test_support.h"

namespace fs = std::filesystem;

namespace {

class InstallerFlowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        makeFile(source + "/ORVXP", "new program", 0755);
        makeFile(source + "/install", "installer", 0755);
        makeFile(source + "/Sample.dat", "shipped sample");
        makeFile(source + "/icons/orvanta-48.png", "icon");
        start.commandLine = source + "/install";
        start.sourceFolder = source;
        start.defaultFolder = defaultInstallFolder(home.dir.path().c_str(), false);
        fs::create_directories(home.dir.file("Programs"));
    }

    InstallerOutcome run(std::optional<std::string> folder, UserPrompt::Answer menu = UserPrompt::Answer::No,
                         UserPrompt::Answer association = UserPrompt::Answer::No)
    {
        ui.folderAnswer = folder;
        prompt.answers = {menu, association};
        return runInstaller(start, prompt, ui);
    }

    std::vector<std::string> questions() const
    {
        std::vector<std::string> out;
        for (const auto& shown : prompt.shown)
            if (shown.buttons == UserPrompt::Buttons::YesNo)
                out.push_back(shown.text);
        return out;
    }

    InstallerHome home;
    std::string source = home.dir.file("unpacked/Orvanta");
    std::string target = home.dir.file("Programs/Orvanta");
    InstallerStart start;
    ScriptedPrompt prompt;
    ScriptedInstallerUi ui;
};

const std::vector<std::string> kBothQuestions = {kMenuQuestion, kAssociationQuestion};

TEST_F(InstallerFlowTest, copiesEverythingThenAsksBothQuestionsAndTheNextStep)
{
    EXPECT_EQ(run(target), InstallerOutcome::Completed);
    EXPECT_EQ(readFile(target + "/ORVXP"), "new program");
    EXPECT_EQ(readFile(target + "/Sample.dat"), "shipped sample");
    EXPECT_EQ(readFile(target + "/icons/orvanta-48.png"), "icon");
    EXPECT_EQ(fs::status(target + "/ORVXP").permissions() & fs::perms::owner_exec, fs::perms::owner_exec);
    EXPECT_EQ(ui.progressOpened, 1);
    EXPECT_EQ(ui.progressClosed, 1);
    EXPECT_EQ(ui.filesShown.size(), 4u);
    EXPECT_EQ(questions(), kBothQuestions);
    EXPECT_EQ(prompt.shown[0].caption, kInstallerTitle);
    EXPECT_EQ(ui.nextStepAsked, 1);
    EXPECT_TRUE(prompt.unexpected.empty());
}

TEST_F(InstallerFlowTest, startedFromTheInstallationFolderCopiesNothingButStillAsks)
{
    EXPECT_EQ(run(source), InstallerOutcome::Completed);
    EXPECT_EQ(ui.progressOpened, 0);
    EXPECT_TRUE(ui.filesShown.empty());
    EXPECT_EQ(readFile(source + "/ORVXP"), "new program");
    EXPECT_EQ(questions(), kBothQuestions);
    EXPECT_EQ(ui.nextStepAsked, 1);
}

// The same folder spelled differently must not copy each program onto itself
// (which removes it first).
TEST_F(InstallerFlowTest, theSourceUnderAnotherSpellingIsNotCopiedOntoItself)
{
    fs::create_directory_symlink(source, home.dir.file("link"));
    EXPECT_EQ(run(home.dir.file("link") + "/"), InstallerOutcome::Completed);
    EXPECT_EQ(ui.progressOpened, 0);
    EXPECT_EQ(readFile(source + "/ORVXP"), "new program");
    EXPECT_EQ(readFile(source + "/Sample.dat"), "shipped sample");
}

TEST_F(InstallerFlowTest, runningAgainKeepsInstalledLogsAndReplacesAReadOnlyProgram)
{
    makeFile(target + "/Sample.dat", "my own workouts");
    makeFile(target + "/ORVXP", "old program", 0555);
    makeFile(target + "/README.txt", "old readme", 0444);
    makeFile(source + "/README.txt", "new readme");
    makeFile(source + "/Extra.DAT", "another log");
    makeFile(source + "/Mixed.Dat", "copied like any file");
    makeFile(target + "/Mixed.Dat", "replaced");
    EXPECT_EQ(run(target), InstallerOutcome::Completed);
    EXPECT_EQ(readFile(target + "/Sample.dat"), "my own workouts");
    EXPECT_EQ(readFile(target + "/ORVXP"), "new program");
    EXPECT_EQ(readFile(target + "/README.txt"), "new readme");
    EXPECT_EQ(readFile(target + "/Extra.DAT"), "another log");
    EXPECT_EQ(readFile(target + "/Mixed.Dat"), "copied like any file");
}

TEST_F(InstallerFlowTest, foldersAreCopiedFourLevelsDeepAndNoDeeper)
{
    const std::string four = "/a/b/c/d";
    makeFile(source + four + "/level4.txt", "four");
    makeFile(source + four + "/e/level5.txt", "five");
    EXPECT_EQ(run(target), InstallerOutcome::Completed);
    EXPECT_EQ(readFile(target + four + "/level4.txt"), "four");
    EXPECT_FALSE(fs::exists(target + four + "/e"));
}

TEST_F(InstallerFlowTest, aFolderWhoseParentIsMissingStopsTheInstaller)
{
    EXPECT_EQ(run(home.dir.file("nowhere/deeper/Orvanta")), InstallerOutcome::Stopped);
    ASSERT_EQ(prompt.lines(),
              std::vector<std::string>{std::string(kInstallerWarningTitle) + ": " + kProblemCreatingInstallFolder});
    EXPECT_EQ(prompt.shown[0].icon, UserPrompt::Icon::Warning);
    EXPECT_FALSE(fs::exists(home.dir.file("nowhere")));
    EXPECT_EQ(ui.nextStepAsked, 0);
}

// ~/.local/opt is the place for programs, as Program Files is elsewhere, but
// a fresh account does not have it yet.
TEST_F(InstallerFlowTest, theProposedFolderIsMadeEvenWhenItsParentIsMissing)
{
    EXPECT_EQ(start.defaultFolder, home.dir.file(".local/opt/Orvanta"));
    EXPECT_EQ(run(start.defaultFolder), InstallerOutcome::Completed);
    EXPECT_EQ(readFile(start.defaultFolder + "/ORVXP"), "new program");
    EXPECT_EQ(ui.proposed, std::vector<std::string>{start.defaultFolder});
}

TEST(DefaultInstallFolder, isBelowTheHomeForAUserAndInOptForTheAdministrator)
{
    EXPECT_EQ(defaultInstallFolder("/home/pat", false), "/home/pat/.local/opt/Orvanta");
    EXPECT_EQ(defaultInstallFolder("/home/pat", true), "/opt/Orvanta");
    EXPECT_EQ(defaultInstallFolder(nullptr, false), "/opt/Orvanta");
}

TEST_F(InstallerFlowTest, cancellingTheFolderQuestionStopsWithNothingDone)
{
    EXPECT_EQ(run(std::nullopt), InstallerOutcome::Stopped);
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_FALSE(fs::exists(start.defaultFolder));
    EXPECT_EQ(ui.nextStepAsked, 0);
}

TEST_F(InstallerFlowTest, aZipInTheCommandLineStopsBeforeAnything)
{
    start.commandLine = "/tmp/Orvanta.ZIP/install";
    EXPECT_EQ(run(target), InstallerOutcome::Stopped);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].caption, kInstallerWarningTitle);
    EXPECT_EQ(prompt.shown[0].text, kInsideZip);
    EXPECT_TRUE(ui.proposed.empty());
}

TEST_F(InstallerFlowTest, onlyAnUpperCaseZipCounts)
{
    start.commandLine = source + "/install from.zip";
    EXPECT_EQ(run(target), InstallerOutcome::Completed);
}

TEST_F(InstallerFlowTest, aMissingProgramStopsTheInstaller)
{
    fs::remove(source + "/ORVXP");
    EXPECT_EQ(run(target), InstallerOutcome::Stopped);
    EXPECT_EQ(prompt.lines(), std::vector<std::string>{std::string(kInstallerWarningTitle) + ": " + kProgramMissing});
    EXPECT_TRUE(ui.proposed.empty());
}

TEST_F(InstallerFlowTest, theLastAnswerRunsTheProgramOrOpensTheManual)
{
    ui.nextStep = InstallerUi::NextStep::RunProgram;
    EXPECT_EQ(run(source), InstallerOutcome::Completed);
    ASSERT_EQ(ui.started.size(), 1u);
    EXPECT_EQ(ui.started[0], std::make_pair(source + "/ORVXP", source));
    EXPECT_TRUE(ui.opened.empty());

    ui.nextStep = InstallerUi::NextStep::ReadManual;
    EXPECT_EQ(run(source), InstallerOutcome::Completed);
    EXPECT_EQ(ui.opened, std::vector<std::string>{source + "/orvwinxpman.pdf"});
    EXPECT_EQ(ui.started.size(), 1u);
}

TEST_F(InstallerFlowTest, yesToBothWritesTheMenuEntryAndTheAssociation)
{
    EXPECT_EQ(run(target, UserPrompt::Answer::Yes, UserPrompt::Answer::Yes), InstallerOutcome::Completed);
    const std::string menuEntry = readFile(home.data("applications/Orvanta/Orvanta.desktop"));
    EXPECT_NE(menuEntry.find("Exec=\"" + target + "/ORVXP\"\n"), std::string::npos) << menuEntry;
    EXPECT_EQ(readFile(home.data("applications/orvanta.desktop")), associationEntryText(target));
    EXPECT_EQ(readFile(home.data("mime/packages/orvanta-log.xml")), mimePackageText());
    EXPECT_EQ(readFile(home.config("mimeapps.list")),
              "[Default Applications]\napplication/x-orvanta-log=orvanta.desktop\n");
    EXPECT_EQ(readFile(home.data("icons/hicolor/48x48/apps/orvanta.png")), "icon");
    EXPECT_EQ(readFile(home.data("icons/hicolor/48x48/mimetypes/application-x-orvanta-log.png")), "icon");
}

TEST_F(InstallerFlowTest, noToBothWritesNeither)
{
    EXPECT_EQ(run(target), InstallerOutcome::Completed);
    EXPECT_FALSE(fs::exists(home.data("applications")));
    EXPECT_FALSE(fs::exists(home.config("mimeapps.list")));
}

}  // namespace
