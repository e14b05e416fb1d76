#include <QtGlobal>

#include "about_dialog.h"
#include "calorie_dialog.h"
#include "font_chooser.h"
#include "fonts_dialog.h"
#include "log_choice_dialog.h"
#include "preferences_dialog.h"
#include "print_dialog_setup.h"
#include "save_format_dialog.h"
#include "shell/app_context.h"
#include "shell/shell_dialogs.h"
#include "sports_dialog.h"

// The icons live in the program's resources, built into this static library;
// naming the initialiser here keeps them linked into every program that shows
// a dialog (it must be called outside any namespace).
static void initOrvantaResources()
{
    Q_INIT_RESOURCE(orvanta);
}

int QtShellDialogs::askSaveFormat(QWidget* owner)
{
    SaveFormatDialog dialog(owner);
    dialog.exec();
    return dialog.format();
}

ShellDialogs::LogChoice QtShellDialogs::askLogChoice(QWidget* owner)
{
    LogChoiceDialog dialog(owner);
    dialog.exec();
    return dialog.choice();
}

bool QtShellDialogs::editPreferences(QWidget* owner, AppContext& context)
{
    PreferencesDialog dialog(context.store, context.prompt, owner);
    // OK always marks the log modified: the preferences belong to it.
    return dialog.exec() == QDialog::Accepted;
}

bool QtShellDialogs::editSports(QWidget* owner, AppContext& context)
{
    SportsDialog dialog(context.store, context.settings, context.prompt, context.fonts.listFont, owner);
    dialog.exec();
    // A new colour changes no sport, but the pages must show it.
    return dialog.sportsChanged() || dialog.colorsChanged();
}

bool QtShellDialogs::editCalories(QWidget* owner, AppContext& context)
{
    CalorieDialog dialog(context.settings, context.store, owner);
    return dialog.exec() == QDialog::Accepted;
}

void QtShellDialogs::editFonts(QWidget* owner, AppContext& context)
{
    QtFontChooser chooser;
    FontsDialog dialog(context.settings, chooser, owner);
    dialog.exec();
}

void QtShellDialogs::showAbout(QWidget* owner)
{
    initOrvantaResources();
    AboutDialog dialog(owner);
    dialog.exec();
}

bool QtShellDialogs::askPrinter(QWidget* owner, QPrinter& printer, const PrintDialogSetup& setup)
{
    PagePrintDialog dialog(printer, setup, owner);
    return dialog.exec() == QDialog::Accepted;
}
