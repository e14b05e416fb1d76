// The installer's three windows, driven as a person drives them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "install/installer_windows.h"

namespace {

template <typename T>
T* control(QWidget& window, int id)
{
    return window.findChild<T*>(QStringLiteral("ctl%1").arg(id));
}

TEST(InstallFolderDialog, typingReplacesTheProposedFolderWhichStartsSelected)
{
    InstallFolderDialog dialog(QStringLiteral("/home/pat/.local/opt/Orvanta"));
    dialog.show();
    QLineEdit* edit = control<QLineEdit>(dialog, kFolderEditId);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->selectedText(), QStringLiteral("/home/pat/.local/opt/Orvanta"));
    QTest::keyClicks(edit, QStringLiteral("/srv/Orvanta"));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.folder(), QStringLiteral("/srv/Orvanta"));
}

TEST(InstallFolderDialog, cancelRejects)
{
    InstallFolderDialog dialog(QStringLiteral("/opt/Orvanta"));
    dialog.show();
    QTest::mouseClick(control<QPushButton>(dialog, 2), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(InstallFolderDialog, aFolderIsAtMost259Characters)
{
    InstallFolderDialog dialog(QString(300, QLatin1Char('a')));
    EXPECT_EQ(dialog.folder().size(), kMaxFolderLength);
}

TEST(InstallProgressWindow, showsTheStartThenEachFile)
{
    InstallProgressWindow window;
    window.show();
    EXPECT_EQ(window.currentText(), QString::fromLatin1(kStartingCopy));
    window.showFile("/opt/Orvanta/ORVXP");
    EXPECT_EQ(window.currentText(), QStringLiteral("/opt/Orvanta/ORVXP"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Orvanta Installer"));
}

struct NextStepCase {
    int button;
    int result;
};

class NextStepButtons : public ::testing::TestWithParam<NextStepCase> {};

TEST_P(NextStepButtons, eachButtonGivesItsResult)
{
    NextStepDialog dialog;
    dialog.show();
    QPushButton* button = control<QPushButton>(dialog, GetParam().button);
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(Buttons, NextStepButtons,
                         ::testing::Values(NextStepCase{kReadManualId, 1}, NextStepCase{kRunProgramId, 2},
                                           NextStepCase{2, 0}));

TEST(NextStepDialog, enterRunsTheProgramAndEscapeIsNeither)
{
    NextStepDialog enter;
    enter.show();
    QTest::keyClick(&enter, Qt::Key_Return);
    EXPECT_EQ(enter.result(), 2);

    NextStepDialog escape;
    escape.show();
    QTest::keyClick(&escape, Qt::Key_Escape);
    EXPECT_EQ(escape.result(), 0);
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
