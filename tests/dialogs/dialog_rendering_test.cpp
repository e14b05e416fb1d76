#include <QDir>
#include <QImage>
#include <QListWidget>

#include "dialog_test_support.h"
#include "dialogs/about_dialog.h"
#include "dialogs/log_choice_dialog.h"
#include "dialogs/preferences_dialog.h"
#include "dialogs/save_format_dialog.h"
#include "dialogs/sports_dialog.h"
#include "dialogs/training_plan_dialog.h"
#include "rules_test_support.h"
#include "scripted_prompt.h"

namespace {

// Each dialog drawn off screen at its fixed size; the pictures are kept in
// the build folder for a look by eye.
void expectRendered(QWidget& dialog, const QSize& dialogUnits, const char* name)
{
    dialog.show();
    const QImage picture = dialog.grab().toImage();
    EXPECT_EQ(picture.size(), dialogUnits * 2) << name;
    // Something is drawn: the picture is not one flat colour.
    const QRgb corner = picture.pixel(0, 0);
    bool varied = false;
    for (int y = 0; y < picture.height() && !varied; y += 3)
        for (int x = 0; x < picture.width() && !varied; x += 3)
            varied = picture.pixel(x, y) != corner;
    EXPECT_TRUE(varied) << name;
    QDir().mkpath(QStringLiteral(ORV_DIALOG_SHOTS_DIR));
    picture.save(QStringLiteral(ORV_DIALOG_SHOTS_DIR "/%1.png").arg(QString::fromLatin1(name)));
}

TEST(DialogRendering, everyDialogDrawsAtItsSize)
{
    auto store = dialogtest::storeWithSports({{"Running", 'R'}, {"Cycling", 'C'}, {"Swimming", 'S'}});
    store->sports[3].distanceUnits = DistanceUnit::Yards;
    store->sports[3].paceUnits = PaceUnit::None;
    ScriptedPrompt prompt;
    AppSettings settings;
    QFont listFont(QStringLiteral("Courier New"));
    listFont.setPixelSize(16);

    PreferencesDialog preferences(*store, prompt);
    expectRendered(preferences, {280, 163}, "preferences");
    SportsDialog sports(*store, settings, prompt, listFont);
    sports.findChild<QListWidget*>(QStringLiteral("ctl1012"))->setCurrentRow(1);
    expectRendered(sports, {330, 214}, "sports");
    SaveFormatDialog saveFormat;
    expectRendered(saveFormat, {198, 96}, "save_format");
    TrainingPlanDialog plan(27, {2004, 3, 1});
    expectRendered(plan, {185, 100}, "training_plan");
    LogChoiceDialog logChoice;
    expectRendered(logChoice, {186, 81}, "log_choice");
    AboutDialog about;
    expectRendered(about, {150, 75}, "about");
}

}  // namespace
