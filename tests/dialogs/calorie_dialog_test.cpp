// The Calorie Calculations dialog: how it opens on the settings and the log's
// keywords, what OK stores and that Cancel stores nothing.

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QtTest/QTest>

#include "dialog_test_support.h"
#include "dialogs/calorie_dialog.h"
#include "shell/logic/calorie_rules.h"

namespace {

using dialogtest::click;
using dialogtest::control;
using dialogtest::isChecked;

class CalorieDialogTest : public ::testing::Test {
protected:
    std::unique_ptr<LogStore> store = std::make_unique<LogStore>();
    AppSettings settings = defaultSettings();

    void keywords(std::initializer_list<const char*> texts)
    {
        for (const char* text : texts)
            store->keywords[store->keywordCount++].text = text;
    }
    static QStringList items(const QComboBox* combo)
    {
        QStringList texts;
        for (int i = 0; i < combo->count(); ++i)
            texts.append(combo->itemText(i));
        return texts;
    }
};

TEST_F(CalorieDialogTest, theLogsWeightKeyword_opensOnTheKeywordChoice)
{
    keywords({"1\tHR\tHeart rate", "1\tWt\tBody weight"});
    CalorieDialog dialog(settings, *store);
    EXPECT_EQ(dialog.windowTitle(), "The Orvanta: Calorie Calculations");
    EXPECT_TRUE(isChecked(&dialog, 1068));
    auto* keyword = control<QComboBox>(&dialog, 1072);
    EXPECT_EQ(items(keyword), (QStringList{"HR", "Wt"}));
    EXPECT_EQ(keyword->currentText(), "Wt");
    EXPECT_EQ(items(control<QComboBox>(&dialog, 1070)), (QStringList{"lbs", "kg", "stone"}));
}

TEST_F(CalorieDialogTest, withoutThatKeyword_opensOnAFixedWeightOf150)
{
    keywords({"1\tHR\tHeart rate"});
    CalorieDialog dialog(settings, *store);
    EXPECT_TRUE(isChecked(&dialog, 1069));
    EXPECT_EQ(control<QLineEdit>(&dialog, 1071)->text(), "150");
    EXPECT_EQ(control<QComboBox>(&dialog, 1072)->currentText(), "HR");
}

TEST_F(CalorieDialogTest, aFixedWeightThatIsNoNumber_isKeptAndCountsAs150UntilTheNextStart)
{
    CalorieDialog dialog(settings, *store);
    QLineEdit* weight = control<QLineEdit>(&dialog, 1071);
    weight->clear();
    QTest::keyClicks(weight, "abc");
    control<QComboBox>(&dialog, 1070)->setCurrentIndex(2);
    click(&dialog, 1);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(settings.calorieKeyword, "abc");
    EXPECT_FLOAT_EQ(settings.fixedWeight, 150.0f);
    EXPECT_EQ(settings.weightUnits, 2);
    EXPECT_FLOAT_EQ(fixedWeightOf(settings.calorieKeyword), 0.0f) << "read again at the next start";
}

TEST_F(CalorieDialogTest, choosingAKeyword_storesItsAbbreviation)
{
    settings.calorieKeyword = "160";
    settings.fixedWeight = 160;
    keywords({"1\tHR\tHeart rate", "1\tKg\tWeight"});
    CalorieDialog dialog(settings, *store);
    click(&dialog, 1068);
    control<QComboBox>(&dialog, 1072)->setCurrentIndex(1);
    click(&dialog, 1);
    EXPECT_EQ(settings.calorieKeyword, "Kg");
    EXPECT_EQ(settings.fixedWeight, 0.0f);
}

TEST_F(CalorieDialogTest, aLogWithoutKeywords_givesAnEmptyKeywordBox)
{
    CalorieDialog dialog(settings, *store);
    EXPECT_EQ(control<QComboBox>(&dialog, 1072)->count(), 0);
    dialog.show();
    QDir().mkpath(QStringLiteral(ORV_DIALOG_SHOTS_DIR));
    dialog.grab().toImage().save(QStringLiteral(ORV_DIALOG_SHOTS_DIR "/calories_no_keywords.png"));
}

TEST_F(CalorieDialogTest, renderedWithKeywords)
{
    keywords({"1\tHR\tHeart rate", "1\tWt\tBody weight", "2\tElev\tElevation"});
    CalorieDialog dialog(settings, *store);
    dialog.show();
    const QImage picture = dialog.grab().toImage();
    EXPECT_EQ(picture.size(), QSize(472, 188));
    QDir().mkpath(QStringLiteral(ORV_DIALOG_SHOTS_DIR));
    picture.save(QStringLiteral(ORV_DIALOG_SHOTS_DIR "/calories.png"));
}

}  // namespace
