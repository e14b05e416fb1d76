// The Fonts dialog: what each button asks the font chooser, what a confirmed
// choice keeps, that cancelling keeps everything, and the real chooser's
// offer of fixed-pitch faces for printing.

#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QFontDialog>
#include <QImage>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <deque>

#include "dialog_test_support.h"
#include "dialogs/font_chooser.h"
#include "dialogs/fonts_dialog.h"

namespace {

using dialogtest::click;
using dialogtest::control;

// Answers the chooser from a queue and records what it was asked.
class ScriptedFontChooser : public FontChooser {
public:
    std::vector<FontRequest> requests;
    std::deque<std::optional<ChosenFont>> answers;

    std::optional<ChosenFont> choose(QWidget*, const FontRequest& request) override
    {
        requests.push_back(request);
        if (answers.empty()) {
            ADD_FAILURE() << "the font chooser was not expected";
            return std::nullopt;
        }
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class FontsDialogTest : public ::testing::Test {
protected:
    AppSettings settings = defaultSettings();
    ScriptedFontChooser chooser;

    QStringList statics(const FontsDialog& dialog, int firstId)
    {
        QStringList texts;
        for (int id = firstId; id < firstId + 3; ++id)
            texts.append(control<QLabel>(&dialog, id)->text());
        return texts;
    }
};

TEST_F(FontsDialogTest, opensOnTheThreeFontsOfTheSettings)
{
    FontsDialog dialog(settings, chooser);
    EXPECT_EQ(dialog.windowTitle(), "The Orvanta: Fonts");
    EXPECT_EQ(statics(dialog, 1058), (QStringList{"9", "10", "8"}));
    EXPECT_EQ(statics(dialog, 1061), (QStringList{"Courier New", "Arial", "Arial"}));
    EXPECT_EQ(control<QPushButton>(&dialog, 1055)->text(), "Log/Total Printing");
    EXPECT_EQ(control<QPushButton>(&dialog, 1056)->text(), "Day View Display/Printing");
    EXPECT_EQ(control<QPushButton>(&dialog, 1057)->text(), "Week View Display/Printing");
    EXPECT_TRUE(control<QPushButton>(&dialog, 1)->isDefault());
    EXPECT_EQ(dialog.findChildren<QPushButton*>().size(), 4) << "OK and the three font buttons, no Cancel";
}

struct SlotCase {
    const char* name;
    int buttonId;
    bool fixedPitchOnly;
    const char* startFace;
    int startSize;
};

class FontsDialogSlots : public FontsDialogTest, public ::testing::WithParamInterface<SlotCase> {};

TEST_P(FontsDialogSlots, aConfirmedChoiceKeepsWholePointsAndTheStaticsFollow)
{
    const SlotCase& c = GetParam();
    FontsDialog dialog(settings, chooser);
    chooser.answers.push_back(ChosenFont{QStringLiteral("DejaVu Sans Mono"), 115});
    click(&dialog, c.buttonId);
    ASSERT_EQ(chooser.requests.size(), 1u);
    EXPECT_EQ(chooser.requests[0].face, c.startFace);
    EXPECT_EQ(chooser.requests[0].pointSize, c.startSize);
    EXPECT_EQ(chooser.requests[0].fixedPitchOnly, c.fixedPitchOnly);

    const int row = c.buttonId - 1055;
    const FontSetting kept = fontSetting(settings, static_cast<FontSlot>(row));
    EXPECT_EQ(kept.face, "DejaVu Sans Mono");
    EXPECT_EQ(kept.pointSize, 11) << "11.5 points keep 11";
    EXPECT_EQ(control<QLabel>(&dialog, 1058 + row)->text(), "11");
    EXPECT_EQ(control<QLabel>(&dialog, 1061 + row)->text(), "DejaVu Sans Mono");

    // The chooser starts where the last choice left off.
    chooser.answers.push_back(std::nullopt);
    click(&dialog, c.buttonId);
    EXPECT_EQ(chooser.requests[1].face, "DejaVu Sans Mono");
    EXPECT_EQ(chooser.requests[1].pointSize, 11);
}

INSTANTIATE_TEST_SUITE_P(Buttons, FontsDialogSlots,
                         ::testing::Values(SlotCase{"printing", 1055, true, "Courier New", 9},
                                           SlotCase{"day", 1056, false, "Arial", 10},
                                           SlotCase{"week", 1057, false, "Arial", 8}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FontsDialogTest, cancellingTheChooser_keepsFaceAndSize)
{
    settings.fontNameDay = "Liberation Serif";
    settings.fontSizeDay = 14;
    const AppSettings before = settings;
    FontsDialog dialog(settings, chooser);
    chooser.answers = {std::nullopt, std::nullopt, std::nullopt};
    for (int id : {1055, 1056, 1057})
        click(&dialog, id);
    EXPECT_EQ(chooser.requests.size(), 3u);
    for (int i = 0; i < kFontSlotCount; ++i) {
        const auto slot = static_cast<FontSlot>(i);
        EXPECT_EQ(fontSetting(settings, slot).face, fontSetting(before, slot).face) << i;
        EXPECT_EQ(fontSetting(settings, slot).pointSize, fontSetting(before, slot).pointSize) << i;
    }
    EXPECT_EQ(statics(dialog, 1058), (QStringList{"9", "14", "8"}));
    EXPECT_EQ(statics(dialog, 1061), (QStringList{"Courier New", "Liberation Serif", "Arial"}));
}

TEST_F(FontsDialogTest, aLongFaceIsCutTo31Characters_andASizeUnderOnePointKeepsTheOld)
{
    FontsDialog dialog(settings, chooser);
    chooser.answers.push_back(ChosenFont{QStringLiteral("A Face Whose Name Runs On Far Too Long"), 5});
    click(&dialog, 1057);
    EXPECT_EQ(settings.fontNameWeek, "A Face Whose Name Runs On Far T");
    EXPECT_EQ(settings.fontSizeWeek, 8);
}

TEST_F(FontsDialogTest, rendered)
{
    settings.fontNameWeek = "DejaVu Sans Mono";
    settings.fontSizeWeek = 12;
    FontsDialog dialog(settings, chooser);
    dialog.show();
    const QImage picture = dialog.grab().toImage();
    EXPECT_EQ(picture.size(), QSize(500, 224));
    QDir().mkpath(QStringLiteral(ORV_DIALOG_SHOTS_DIR));
    picture.save(QStringLiteral(ORV_DIALOG_SHOTS_DIR "/fonts.png"));
}

// The real chooser's family list.
QStringList familiesOffered(QFontDialog& dialog)
{
    QStringList families;
    auto* list = dialog.findChildren<QListView*>().value(0);
    EXPECT_NE(list, nullptr);
    if (list == nullptr)
        return families;
    for (int row = 0; row < list->model()->rowCount(); ++row)
        families.append(list->model()->index(row, 0).data().toString());
    return families;
}

TEST(QtFontChooserTest, thePrintingChooser_offersFixedPitchFacesOnly)
{
    QFontDialog dialog;
    QtFontChooser::prepare(dialog, FontRequest{QStringLiteral("Courier New"), 9, true});
    const QStringList families = familiesOffered(dialog);
    ASSERT_FALSE(families.isEmpty());
    for (const QString& family : families)
        EXPECT_TRUE(QFontDatabase::isFixedPitch(family)) << family.toStdString();
    // "Courier New" is offered as the face it is drawn in, and chosen at the start.
    const QString twin = QtFontChooser::installedFace(QStringLiteral("Courier New"));
    EXPECT_TRUE(families.contains(twin)) << twin.toStdString();
    EXPECT_EQ(dialog.currentFont().family(), twin);
    EXPECT_EQ(dialog.currentFont().pointSize(), 9);
    for (const char* proportional : {"Liberation Sans", "DejaVu Sans", "Liberation Serif"})
        EXPECT_FALSE(families.contains(QString::fromLatin1(proportional))) << proportional;
    EXPECT_TRUE(dialog.testOption(QFontDialog::MonospacedFonts));
    EXPECT_TRUE(dialog.testOption(QFontDialog::DontUseNativeDialog));
    dialog.show();
    for (QWidget* script : dialog.findChildren<QComboBox*>())
        EXPECT_FALSE(script->isVisible()) << "no script choice";
    QDir().mkpath(QStringLiteral(ORV_DIALOG_SHOTS_DIR));
    dialog.grab().toImage().save(QStringLiteral(ORV_DIALOG_SHOTS_DIR "/font_chooser_printing.png"));
}

TEST(QtFontChooserTest, confirmingTheStandInFace_keepsTheRequestedName)
{
    const FontRequest request{QStringLiteral("Courier New"), 9, true};
    const QString twin = QtFontChooser::installedFace(request.face);
    EXPECT_EQ(QtFontChooser::keptFace(QFont(twin), request), "Courier New");
    EXPECT_EQ(QtFontChooser::keptFace(QFont(QStringLiteral("DejaVu Sans Mono")), request), "DejaVu Sans Mono");
}

}  // namespace
