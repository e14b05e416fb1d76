#pragma once

#include <QObject>

#include "shell/app_context.h"

class MainWindow;
class Page;

// The entry commands that reach across pages: Modify and Duplicate fill the
// Data Entry form from another page's entry, Delete on the Day page removes
// the day view's entry, and deleting a memorized route discards the Select
// page so its list of routes is built anew.
class EntryCommands : public QObject {
    Q_OBJECT
public:
    EntryCommands(MainWindow& window, AppContext& context, Page& page);

    // Connects a page just made to the commands it offers.
    static void attach(MainWindow& window, AppContext& context, Page* page);

    // Switches to the Data Entry page and fills its form from the entry.
    void modify(int entry);
    void duplicate(int entry);
    // Delete on the Day page: asks, then removes the day view's entry.
    void deleteDayEntry();
    void discardSelectPage();

private:
    void fillForm(int entry, bool modify);

    MainWindow& m_window;
    AppContext& m_context;
    Page& m_page;
};
