// Special > Palm > Set Palm Download Folder without its dialog: the folder
// rule and what the command leaves as the download file.
#include <gtest/gtest.h>

#include <optional>

#include "log/download_folder.h"
#include "scripted_prompt.h"

namespace {

struct PathRow {
    const char* name;
    const char* path;
    bool accepted;
};

class OrvantaFolderRule : public ::testing::TestWithParam<PathRow> {};

TEST_P(OrvantaFolderRule, wantsTheFolderNameBeforeTheLastThirteenCharacters)
{
    EXPECT_EQ(isInOrvantaFolder(GetParam().path), GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(Paths, OrvantaFolderRule,
                         ::testing::Values(PathRow{"proposedName", "/home/ann/Palm/Orvanta/Download.dat", true},
                                           PathRow{"anyTwelveCharacterName", "/home/ann/Palm/Orvanta/Training.txt",
                                                   true},
                                           PathRow{"thirteenCharactersOfAnything", "/p/OrvantaXXXXXXXXXXXXX", true},
                                           PathRow{"backslashSeparator", "C:\\Palm\\Orvanta\\Download.dat", true},
                                           PathRow{"exactlyTwentyCharacters", "Orvanta/Download.dat", true},
                                           PathRow{"folderEndingInTheName", "/p/MyOrvanta/Download.dat", true},
                                           PathRow{"nineteenCharacters", "rvanta/Download.dat", false},
                                           PathRow{"otherFolder", "/home/ann/Palm/Other/Download.dat", false},
                                           PathRow{"lowerCaseFolder", "/home/ann/Palm/orvanta/Download.dat", false},
                                           PathRow{"longerFileName", "/home/ann/Palm/Orvanta/Downloads.dat", false},
                                           PathRow{"shorterFileName", "/home/ann/Palm/Orvanta/Down.dat", false},
                                           PathRow{"folderDeeperInside", "/home/ann/Orvanta/Palm/Download.dat", false},
                                           PathRow{"empty", "", false}),
                         [](const auto& info) { return std::string(info.param.name); });

class SetDownloadFolder : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_TRUE(prompt.unexpected.empty()); }
    ScriptedPrompt prompt;
};

TEST_F(SetDownloadFolder, asksForTheFileInTheHotSyncFolder)
{
    prompt.saveNames = {std::string("/palm/Orvanta/Download.dat")};
    EXPECT_EQ(setDownloadFolder(prompt, "/palm/"), "/palm/Orvanta/Download.dat");
    ASSERT_EQ(prompt.fileQuestions.size(), 1u);
    EXPECT_EQ(prompt.fileQuestions[0].title, "Please locate the ORV/Palm upload/download folder");
    EXPECT_EQ(prompt.fileQuestions[0].proposedName, "Download.dat");
    EXPECT_EQ(prompt.fileQuestions[0].initialFolder, "/palm/");
    EXPECT_EQ(prompt.fileQuestions[0].filter, UserPrompt::FileFilter::Logs);
    EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(SetDownloadFolder, withoutThePalmDesktop_startsInNoFolder_andStillAcceptsAnOrvantaFolder)
{
    prompt.saveNames = {std::string("/home/ann/Orvanta/Download.dat")};
    EXPECT_EQ(setDownloadFolder(prompt, ""), "/home/ann/Orvanta/Download.dat");
    EXPECT_EQ(prompt.fileQuestions.at(0).initialFolder, "");
}

TEST_F(SetDownloadFolder, cancelled_leavesNoDownloadFile_silently)
{
    prompt.saveNames = {std::nullopt};
    EXPECT_EQ(setDownloadFolder(prompt, "/palm/"), "");
    EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(SetDownloadFolder, outsideAnOrvantaFolder_leavesNoDownloadFile_andSaysSo)
{
    prompt.saveNames = {std::string("/palm/Other/Download.dat")};
    EXPECT_EQ(setDownloadFolder(prompt, "/palm/"), "");
    EXPECT_EQ(prompt.lines(), std::vector<std::string>{"Orvanta: You did not correctly locate the \"Orvanta\" folder "
                                                       "where data from the Palm are uploaded and downloaded."});
    EXPECT_EQ(prompt.shown.at(0).buttons, UserPrompt::Buttons::Ok);
}

}  // namespace
