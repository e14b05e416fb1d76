#pragma once

#include <QWidget>

#include "log/log_writer.h"

struct AppContext;
struct PrintDialogSetup;
class QPrinter;

// The program's own small dialogs, asked through one interface so that the
// main window's tests can answer them.
class ShellDialogs {
public:
    enum class LogChoice { NewLog, OpenLog };

    virtual ~ShellDialogs() = default;
    // The chosen format, or -1 when cancelled.
    virtual int askSaveFormat(QWidget* owner) = 0;
    virtual LogChoice askLogChoice(QWidget* owner) = 0;
    // Both return whether the log changed.
    virtual bool editPreferences(QWidget* owner, AppContext& context) = 0;
    virtual bool editSports(QWidget* owner, AppContext& context) = 0;
    // The Calorie Calculations dialog; whether OK changed the settings.
    virtual bool editCalories(QWidget* owner, AppContext& context) = 0;
    // The Fonts dialog; its choices go into the settings at once.
    virtual void editFonts(QWidget* owner, AppContext& context) = 0;
    virtual void showAbout(QWidget* owner) = 0;
    // The print dialog of printer, set up for the page on show. Whether the
    // person chose to print; the printer then holds the choice (a printer or
    // a file, the page range).
    virtual bool askPrinter(QWidget* owner, QPrinter& printer, const PrintDialogSetup& setup) = 0;
};

// The real dialogs, shown modally.
class QtShellDialogs : public ShellDialogs {
public:
    int askSaveFormat(QWidget* owner) override;
    LogChoice askLogChoice(QWidget* owner) override;
    bool editPreferences(QWidget* owner, AppContext& context) override;
    bool editSports(QWidget* owner, AppContext& context) override;
    bool editCalories(QWidget* owner, AppContext& context) override;
    void editFonts(QWidget* owner, AppContext& context) override;
    void showAbout(QWidget* owner) override;
    bool askPrinter(QWidget* owner, QPrinter& printer, const PrintDialogSetup& setup) override;
};
