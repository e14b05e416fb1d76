#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "shell/logic/print_setup.h"
#include "shell/shell_dialogs.h"

// The program's own dialogs answered from queues; every call is recorded so
// a test can check which dialogs were shown, in which order.
class ScriptedDialogs : public ShellDialogs {
public:
    std::vector<std::string> calls;
    std::deque<int> saveFormats;
    std::deque<LogChoice> logChoices;
    // Runs while the Sports dialog is "open", as its own event loop would.
    std::function<void()> whileSportsOpen;

    int askSaveFormat(QWidget*) override
    {
        calls.push_back("saveFormat");
        if (saveFormats.empty())
            return -1;
        int f = saveFormats.front();
        saveFormats.pop_front();
        return f;
    }
    LogChoice askLogChoice(QWidget*) override
    {
        calls.push_back("logChoice");
        if (logChoices.empty())
            return LogChoice::OpenLog;
        LogChoice c = logChoices.front();
        logChoices.pop_front();
        return c;
    }
    bool editPreferences(QWidget*, AppContext&) override
    {
        calls.push_back("preferences");
        return false;
    }
    bool editSports(QWidget*, AppContext&) override
    {
        calls.push_back("sports");
        if (whileSportsOpen)
            whileSportsOpen();
        return false;
    }
    bool editCalories(QWidget*, AppContext&) override
    {
        calls.push_back("calories");
        return false;
    }
    // Runs while the Fonts dialog is "open": a test changes the settings there.
    std::function<void(AppContext&)> whileFontsOpen;

    void editFonts(QWidget*, AppContext& context) override
    {
        calls.push_back("fonts");
        if (whileFontsOpen)
            whileFontsOpen(context);
    }
    void showAbout(QWidget*) override { calls.push_back("about"); }

    // The print dialog: every set-up it was shown with; the answer fills the
    // printer in (a PDF file, a range) and says whether to print. Without
    // an answer the dialog is cancelled.
    std::vector<PrintDialogSetup> printSetups;
    std::function<bool(QPrinter&, const PrintDialogSetup&)> printAnswer;

    bool askPrinter(QWidget*, QPrinter& printer, const PrintDialogSetup& setup) override
    {
        calls.push_back("print");
        printSetups.push_back(setup);
        return printAnswer ? printAnswer(printer, setup) : false;
    }
};
