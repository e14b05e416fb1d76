// The files that make a double-click on a log open the program.
#include <gtest/gtest.h>

#include "install/logic/association.h"
#include "install_test_support.h"

namespace {

TEST(AssociationText, theTypeClaimsDatFilesUnderItsName)
{
    EXPECT_EQ(mimePackageText(),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
              "  <mime-type type=\"application/x-orvanta-log\">\n"
              "    <comment>Orvanta Log</comment>\n"
              "    <icon name=\"application-x-orvanta-log\"/>\n"
              "    <glob pattern=\"*.dat\" weight=\"80\"/>\n"
              "  </mime-type>\n"
              "</mime-info>\n");
}

TEST(AssociationText, theEntryOpensTheFileWithTheInstalledProgram)
{
    EXPECT_EQ(associationEntryText("/home/pat/My Programs/Orvanta"),
              "[Desktop Entry]\n"
              "Type=Application\n"
              "Name=The Orvanta\n"
              "Comment=Opens Orvanta logs\n"
              "Exec=\"/home/pat/My Programs/Orvanta/ORVXP\" %f\n"
              "Path=/home/pat/My Programs/Orvanta\n"
              "Icon=orvanta\n"
              "MimeType=application/x-orvanta-log;\n"
              "NoDisplay=true\n"
              "Terminal=false\n");
}

TEST(AssociationText, specialCharactersInTheFolderAreEscapedForTheExecLine)
{
    const std::string entry = associationEntryText("/opt/50%$off");
    EXPECT_NE(entry.find("Exec=\"/opt/50%%\\\\$off/ORVXP\" %f\n"), std::string::npos) << entry;
}

struct MimeAppsCase {
    const char* name;
    const char* before;
    const char* after;
};

// Named rows print as their names.
void PrintTo(const MimeAppsCase& row, std::ostream* out)
{
    *out << row.name;
}

class MimeAppsList : public ::testing::TestWithParam<MimeAppsCase> {};

TEST_P(MimeAppsList, onlyOurLineChanges)
{
    EXPECT_EQ(withDefaultApplication(GetParam().before), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MimeAppsList,
    ::testing::Values(
        MimeAppsCase{"empty", "", "[Default Applications]\napplication/x-orvanta-log=orvanta.desktop\n"},
        MimeAppsCase{"otherGroupsOnly", "[Added Associations]\ntext/plain=gedit.desktop;",
                     "[Added Associations]\ntext/plain=gedit.desktop;\n"
                     "[Default Applications]\napplication/x-orvanta-log=orvanta.desktop\n"},
        MimeAppsCase{"defaultsKept",
                     "# mine\n[Default Applications]\ntext/html=firefox.desktop\n\n[Removed Associations]\nx/y=z\n",
                     "# mine\n[Default Applications]\napplication/x-orvanta-log=orvanta.desktop\n"
                     "text/html=firefox.desktop\n\n[Removed Associations]\nx/y=z\n"},
        MimeAppsCase{"ourLineReplacedInPlace",
                     "[Default Applications]\na/b=c.desktop\napplication/x-orvanta-log=other.desktop\nd/e=f\n",
                     "[Default Applications]\na/b=c.desktop\napplication/x-orvanta-log=orvanta.desktop\nd/e=f\n"},
        MimeAppsCase{"ourTypeInAnotherGroupStays", "[Added Associations]\napplication/x-orvanta-log=other.desktop;\n",
                     "[Added Associations]\napplication/x-orvanta-log=other.desktop;\n"
                     "[Default Applications]\napplication/x-orvanta-log=orvanta.desktop\n"},
        MimeAppsCase{"windowsLineEnds", "[Default Applications]\r\na/b=c\r\n",
                     "[Default Applications]\r\napplication/x-orvanta-log=orvanta.desktop\na/b=c\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WriteAssociation, anExistingMimeAppsListKeepsEveryOtherLine)
{
    InstallerHome home;
    makeFile(home.config("mimeapps.list"), "[Default Applications]\ntext/plain=vim.desktop\n");
    makeFile(home.dir.file("Orvanta/icons/orvanta-16.png"), "small");
    EXPECT_TRUE(writeAssociation(home.dir.file("Orvanta")));
    EXPECT_EQ(readFile(home.config("mimeapps.list")),
              "[Default Applications]\napplication/x-orvanta-log=orvanta.desktop\ntext/plain=vim.desktop\n");
    EXPECT_EQ(readFile(home.data("icons/hicolor/16x16/apps/orvanta.png")), "small");
    EXPECT_EQ(readFile(home.data("applications/orvanta.desktop")), associationEntryText(home.dir.file("Orvanta")));
}

TEST(WriteAssociation, aLinkedMimeAppsListIsChangedWhereItLivesAndStaysALink)
{
    InstallerHome home;
    makeFile(home.dir.file("dotfiles/mimeapps.list"), "[Default Applications]\n");
    std::filesystem::create_directories(home.config(""));
    std::filesystem::create_symlink(home.dir.file("dotfiles/mimeapps.list"), home.config("mimeapps.list"));
    writeAssociation(home.dir.file("Orvanta"));
    EXPECT_TRUE(std::filesystem::is_symlink(home.config("mimeapps.list")));
    EXPECT_EQ(readFile(home.dir.file("dotfiles/mimeapps.list")),
              "[Default Applications]\napplication/x-orvanta-log=orvanta.desktop\n");
}

}  // namespace
