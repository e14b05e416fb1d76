// The Add Keyword and Autofill name dialogs on their own.
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "dialogs/add_keyword_dialog.h"
#include "dialogs/autofill_name_dialog.h"
#include "entry_gui_support.h"
#include "shell/logic/keywords_routes.h"

namespace {

using namespace entrytest;

QAbstractButton* buttonOf(QWidget& dialog, int id)
{
    return dialog.findChild<QAbstractButton*>(QStringLiteral("ctl%1").arg(id));
}

QStringList labelTexts(const QWidget& dialog)
{
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        texts.append(label->text());
    return texts;
}

TEST(AddKeywordDialog, opensOnAverage_withTheBoxesLimitedTo16And32)
{
    auto store = makeStore();
    AddKeywordDialog dialog(*store);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "The Orvanta: Add Keyword");
    EXPECT_EQ(labelTexts(dialog),
              (QStringList{"Keyword abbreviation: (16 chars max.)", "Keyword label: (32 chars max.)"}));
    EXPECT_EQ(dialog.findChild<QGroupBox*>()->title(), "Keyword Values");
    EXPECT_EQ(buttonOf(dialog, 1014)->text(), "Compute Average");
    EXPECT_EQ(buttonOf(dialog, 1015)->text(), "Compute Total");
    EXPECT_EQ(buttonOf(dialog, 1016)->text(), "Non-numeric");
    EXPECT_TRUE(buttonOf(dialog, 1014)->isChecked());
    EXPECT_EQ(dialog.focusWidget(), dialog.abbreviationEdit());
    QTest::keyClicks(dialog.abbreviationEdit(), QString(20, QLatin1Char('a')));
    QTest::keyClicks(dialog.labelEdit(), QString(40, QLatin1Char('l')));
    EXPECT_EQ(dialog.abbreviationEdit()->text().size(), 16);
    EXPECT_EQ(dialog.labelEdit()->text().size(), 32);
    QTest::mouseClick(buttonOf(dialog, 1), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(store->keywords[0].text.str(), "1\t" + std::string(16, 'a') + "\t" + std::string(32, 'l'));
}

TEST(AddKeywordDialog, heartRateOnAverage_appendsOneTabHRTabHeartRate)
{
    auto store = makeStore();
    addKeyword(*store, KeywordKind::NonNumeric, "Shoe", "Shoes worn");
    AddKeywordDialog dialog(*store);
    dialog.show();
    QTest::keyClicks(dialog.abbreviationEdit(), "HR");
    QTest::keyClicks(dialog.labelEdit(), "Heart rate");
    QTest::mouseClick(buttonOf(dialog, 1), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_EQ(store->keywordCount, 2);
    EXPECT_EQ(store->keywords[1].text.str(), "1\tHR\tHeart rate");
}

TEST(AddKeywordDialog, okWithAnEmptyBox_staysOpen_cancelAddsNothing)
{
    auto store = makeStore();
    AddKeywordDialog dialog(*store);
    dialog.show();
    QTest::keyClicks(dialog.labelEdit(), "Heart rate");
    buttonOf(dialog, 1015)->click();
    QTest::mouseClick(buttonOf(dialog, 1), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(store->keywordCount, 0);
    QTest::keyClicks(dialog.abbreviationEdit(), "HR");
    QTest::mouseClick(buttonOf(dialog, 2), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(store->keywordCount, 0);
    EXPECT_FALSE(store->modified);
}

TEST(AutofillNameDialog, nameOfUpTo32_cancelLeavesItEmpty)
{
    AutofillNameDialog dialog;
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "The Orvanta: Autofill");
    EXPECT_EQ(labelTexts(dialog), QStringList{"Enter Memorized Workout Name: (32 chars max.)"});
    EXPECT_EQ(dialog.focusWidget(), dialog.nameEdit());
    QTest::keyClicks(dialog.nameEdit(), QString(40, QLatin1Char('n')));
    QTest::mouseClick(buttonOf(dialog, 1), Qt::LeftButton);
    EXPECT_EQ(dialog.name(), std::string(32, 'n'));

    AutofillNameDialog cancelled;
    cancelled.show();
    QTest::keyClicks(cancelled.nameEdit(), "Park");
    QTest::mouseClick(buttonOf(cancelled, 2), Qt::LeftButton);
    EXPECT_EQ(cancelled.name(), "");
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
}

}  // namespace
