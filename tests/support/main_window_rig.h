#pragma once

// The main window as the GUI tests drive it: a real window over the shared
// rig's store, settings and scripted seams, in a fresh folder per test.
// The window, select, print and transfer tests all start from it.
#include <gtest/gtest.h>

#include <QAction>
#include <memory>
#include <string>

#include "combo_texts.h"
#include "shell/main_window.h"
#include "shell_rig.h"
#include "temp_dir.h"

namespace guitest {

inline const char* const kRunLog =
    "Sports List: 2\r\n"
    "Running\tRMmpm\r\n"
    "Cycling\tBKkph\r\n"
    "Preferences: 2  1  1  1  1  1  0\r\n"
    "Routes: 0\r\n"
    "Keywords: 0\r\n"
    "03/21/02\tTR\t5.2M\t45:30\t8:45\tRiver loop\tEasy day\r\n"
    "03/23/02\tRR\t3.1M\t20:10\t6:30\tPark 5K\tRace\r\n"
    "03/22/02\tTB\t20K\t40:00\t30.0\tHills\t\r\n";

class MainWindowTest : public ::testing::Test, protected ShellRig {
protected:
    MainWindowTest() : ShellRig(CalendarDate{2004, 3, 21}) {}

    // A user who has run the program before: the settings exist.
    void SetUp() override
    {
        settingsStore.keyExists = true;
        showWindow();
    }

    void TearDown() override
    {
        EXPECT_TRUE(prompt.unexpected.empty()) << "unexpected question: " << prompt.unexpected.front();
        EXPECT_EQ(prompt.busyDepth, 0) << "every busy cursor is taken down again";
        store->modified = false;  // nothing is asked while the fixture goes away
        window.reset();
    }

    void showWindow()
    {
        window = std::make_unique<MainWindow>(context);
        window->resize(800, 600);
        window->show();
    }

    std::string writeLog(const std::string& name, const std::string& text = kRunLog)
    {
        std::string path = dir.file(name);
        writeFile(path, text);
        return path;
    }

    void openAtStartUp(const std::string& path)
    {
        store->setFileName(path);
        window->startUp();
    }

    void trigger(int id)
    {
        QAction* act = window->action(id);
        ASSERT_NE(act, nullptr) << id;
        ASSERT_TRUE(act->isEnabled()) << id;
        act->trigger();
    }

    std::string title() const { return window->windowTitle().toStdString(); }

    TempDir dir;
    std::unique_ptr<MainWindow> window;
};

}  // namespace guitest
