#pragma once

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "entry_test_support.h"
#include "log/clock.h"
#include "log/settings_store.h"
#include "scripted_dialogs.h"
#include "scripted_prompt.h"
#include "shell/app_context.h"
#include "shell/entry_dialogs.h"
#include "shell/entry_form_controller.h"
#include "shell/logic/app_settings.h"
#include "shell/main_window.h"
#include "shell/pages/data_entry_page.h"
#include "shell/pages/day_page.h"
#include "shell/pages/log_page.h"
#include "temp_dir.h"

namespace entrytest {

// Runs a step on the next popup menu or modal dialog once it shows, from
// inside the event loop that shows it. The step must close what it got.
class WhenShown : public QObject {
public:
    using MenuStep = std::function<void(QMenu&)>;
    using DialogStep = std::function<void(QWidget&)>;

    static void menu(MenuStep step) { new WhenShown(std::move(step), {}); }
    static void dialog(DialogStep step) { new WhenShown({}, std::move(step)); }

private:
    WhenShown(MenuStep menuStep, DialogStep dialogStep)
        : m_menuStep(std::move(menuStep)), m_dialogStep(std::move(dialogStep))
    {
        m_seen = m_menuStep ? QApplication::activePopupWidget() : QApplication::activeModalWidget();
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
        m_timer.start();
    }
    void poll()
    {
        if (++m_polls > 400) {
            ADD_FAILURE() << "nothing showed up";
            deleteLater();
            m_timer.stop();
            return;
        }
        QWidget* shown = m_menuStep ? QApplication::activePopupWidget() : QApplication::activeModalWidget();
        if (!shown || shown == m_seen || !shown->isVisible())
            return;
        m_timer.stop();
        if (m_menuStep) {
            auto* menu = qobject_cast<QMenu*>(shown);
            if (menu)
                m_menuStep(*menu);
            else
                ADD_FAILURE() << "a popup that is no menu";
        } else {
            m_dialogStep(*shown);
        }
        deleteLater();
    }

    MenuStep m_menuStep;
    DialogStep m_dialogStep;
    QWidget* m_seen = nullptr;
    QTimer m_timer;
    int m_polls = 0;
};

inline QStringList itemTexts(const QMenu& menu)
{
    QStringList texts;
    for (QAction* action : menu.actions())
        texts.append(action->text());
    return texts;
}

// Picks an item as the keyboard does: highlighted, then Return.
inline void chooseItem(QMenu& menu, const QString& text)
{
    for (QAction* action : menu.actions()) {
        if (action->text() == text) {
            menu.setActiveAction(action);
            QTest::keyClick(&menu, Qt::Key_Return);
            return;
        }
    }
    ADD_FAILURE() << "no item " << text.toStdString();
    menu.close();
}

// Answers the two dialogs of the Keyword and Autofill menus from queues.
class ScriptedEntryDialogs : public EntryDialogs {
public:
    std::vector<std::string> calls;
    std::vector<std::string> routeNames;

    bool addKeyword(QWidget*, LogStore&) override
    {
        calls.push_back("addKeyword");
        return false;
    }
    std::string askRouteName(QWidget*) override
    {
        calls.push_back("routeName");
        if (routeNames.empty())
            return {};
        std::string name = routeNames.front();
        routeNames.erase(routeNames.begin());
        return name;
    }
};

// The real main window on a log of four sports, shown and active, typed
// into through the focused widget as a keyboard would.
class EntryWindowTest : public ::testing::Test {
protected:
    TempDir dir;
    std::unique_ptr<LogStore> storeOwner = makeStore();
    LogStore& store = *storeOwner;
    AppSettings settings = defaultSettings();
    MemorySettingsStore settingsStore;
    ScriptedPrompt prompt;
    FixedClock clock{kToday};
    ShellState state;
    ScriptedDialogs dialogs;
    ShellFonts fonts = ShellFonts::create();
    AppContext context{store, settings, settingsStore, prompt, clock, state, dialogs, fonts};
    std::unique_ptr<MainWindow> window;

    void SetUp() override
    {
        store.setFileName(dir.file("log.dat"));
        window = std::make_unique<MainWindow>(context);
        window->resize(800, 600);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override
    {
        window.reset();
        EXPECT_TRUE(prompt.unexpected.empty());
        for (const std::string& question : prompt.unexpected)
            ADD_FAILURE() << "unexpected: " << question;
    }

    DataEntryPage& entryPage() const { return *qobject_cast<DataEntryPage*>(window->page(0)); }
    EntryFormController& form() const { return *entryPage().form(); }

    static QWidget* focused() { return QApplication::focusWidget(); }
    // The form field holding the keyboard (the date picker counts as one).
    QWidget* focusedField() const
    {
        QWidget* focus = focused();
        for (FormField field : {FormField::Date, FormField::Sport, FormField::Category, FormField::Distance,
                                FormField::Time, FormField::Pace, FormField::Route, FormField::Comment}) {
            QWidget* widget = form().fieldWidget(field);
            if (focus == widget || (focus && widget->isAncestorOf(focus)))
                return widget;
        }
        return focus;
    }
    void focus(QWidget* widget) const
    {
        // A popup that just closed may still hold the activation for a moment.
        if (!window->isActiveWindow()) {
            window->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        }
        widget->setFocus(Qt::MouseFocusReason);
        ASSERT_TRUE(widget == focused() || widget->isAncestorOf(focused()));
    }
    static void type(const QString& text)
    {
        ASSERT_NE(focused(), nullptr);
        QTest::keyClicks(focused(), text);
    }
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        ASSERT_NE(focused(), nullptr);
        QTest::keyClick(focused(), key, modifiers);
    }

    // Entries straight into the log, one a day from the 1st of May 2024,
    // their comments numbering them from 1.
    void addEntries(int count, CalendarDate first = {2024, 5, 1})
    {
        for (int i = 0; i < count; ++i)
            addEntry(store, addDays(first, i), std::to_string(store.entryCount + 1));
        emit entryPage().logChanged();
    }
    std::vector<std::string> comments() const
    {
        std::vector<std::string> out;
        for (int i = 0; i < store.entryCount; ++i)
            out.push_back(store.entry(static_cast<std::size_t>(i)).commentText.str());
        return out;
    }
    LogPage& showLogPage()
    {
        window->switchToPage(1);
        return *qobject_cast<LogPage*>(window->page(1));
    }
    // A right click on a row of a list; step answers the popup.
    static void rightClickRow(QListView& list, int row, WhenShown::MenuStep step)
    {
        const QRect rect = list.visualRect(list.model()->index(row, 0));
        WhenShown::menu(std::move(step));
        QTest::mouseClick(list.viewport(), Qt::RightButton, Qt::NoModifier, rect.center());
    }
};

}  // namespace entrytest
