#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <map>
#include <string>

#include "log/log_writer.h"
#include "shell/app_context.h"
#include "shell/logic/print_setup.h"
#include "shell/pages/page.h"

class QTabBar;
struct PrintRequest;
class QAction;
class EarlyLogRead;

// Menu command ids, as the menu and the accelerators know them.
namespace cmd {
enum : int {
    About = 104,
    Exit = 105,
    SetDownloadFolder = 32772,
    Preferences = 32773,
    New = 32774,
    Sports = 32775,
    SelectAll = 32776,
    Open = 32771,
    Save = 32786,
    SaveSelectedAs = 32787,
    Archive = 32788,
    Revert = 32793,
    ExitWithoutSaving = 32794,
    Merge = 32796,
    Cut = 32797,
    Copy = 32798,
    Paste = 32799,
    Undo = 32801,
    ShowSelectedOnly = 32803,
    ShowAllHighlight = 32804,
    Print = 32805,
    Fonts = 32806,
    SortEntries = 32807,
    Calories = 32808,
    AddToStartMenu = 32809,
    MakeDefaultLog = 32810,
    MakeMergeLog = 32811,
    Manual = 32812,
    Import = 32840,
    HandOver = 33200,
};
}

inline constexpr const char* kNoActiveLogTitle = "The Orvanta [No Active Log]";
inline constexpr const char* kProgramTitle = "The Orvanta";
inline constexpr const char* kManualFileName = "orvwinxpman.pdf";
inline constexpr const char* kManualMissing = "The manual (orvwinxpman.pdf) is not in the program's folder.";
inline constexpr const char* kManualNotOpened = "No program was found to open the manual %s.";
inline constexpr const char* kRetainQuestion =
    "Do you want to retain your current sports, routes, preferences, and keywords?";
inline constexpr const char* kRevertQuestion =
    "You have unsaved changes in your log. Are you sure you want to revert to the saved version?";
inline constexpr const char* kExitWithoutSavingQuestion =
    "You have unsaved changes in your log. Are you sure you want to exit without saving them?";
inline constexpr const char* kDefaultLogMade =
    "The current file is now your default log and the log into which any Palm entries will be merged.";
inline constexpr const char* kMergeLogMade =
    "The current file is now the log into which any Palm entries will be merged.";
inline constexpr const char* kNothingToPrint = "Nothing to print!";

// The program's one top-level window: the menu, the tab strip and one page
// at a time. It dispatches; the log code and the pages do the work.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(AppContext& context, QWidget* parent = nullptr);
    ~MainWindow() override;

    // After the window is shown: reads the log named at start-up, or asks
    // for one when none is named. With early, that log has been read
    // already (or is being read) while the window was made: it is taken
    // from there.
    void startUp(EarlyLogRead* early = nullptr);
    // A log handed over by a later start: leaves the current log (which may
    // be declined), then opens path and comes to the front.
    bool openHandedOver(const std::string& path);
    // Whether a log handed over may be opened now: start-up is done and no
    // command, modal dialog or popup menu is running. One thing at a time:
    // a log opened inside another command's dialog would be mixed with it.
    bool readyForHandOver() const;

    QAction* action(int commandId) const;
    QTabBar* tabBar() const { return m_tabBar; }
    Page* page(int index) const;
    int currentPage() const { return m_context.state.currentPage; }
    void switchToPage(int index);
    QWidget* canvas() const { return m_canvas; }

    // The unsaved-changes step, then the settings are written. Returns
    // whether the caller may leave the log.
    bool leaveLog();
    void updateTitle();
    // Every page shows the log anew (after a change of entries or selection).
    void refreshPages();
    // The log was replaced or its lists changed: every page takes anew what
    // it took from the log (Page::reloadFromLog), then shows it.
    void reloadPages();

public slots:
    void onNew();
    void onOpen();
    void onRevert();
    void onSave();
    void onSaveSelectedAs();
    void onExit();
    void onExitWithoutSaving();
    void onEditCommand(int commandId);
    void onSelectAll();
    void onDisplayMode(int mode);
    void onSortEntries();
    void onPreferences();
    void onSports();
    void onCalories();
    void onFonts();
    void onMakeDefaultLog();
    void onMakeMergeLog();
    void onAddToStartMenu();
    void onAbout();
    void onManual();
    void setManualFolder(const QString& folder) { m_manualFolder = folder; }
    // File > Print (main_window_print.cpp).
    void onPrint();
    // File > Merge, File > Archive, Special > Palm > Set Palm Download Folder.
    void onMerge();
    void onArchive();
    void onSetDownloadFolder();
    // File > Import... (main_window_import.cpp).
    void onImport();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Marks a command as running for its whole length.
    class CommandScope {
    public:
        explicit CommandScope(MainWindow& window) : m_window(window) { ++m_window.m_commandDepth; }
        ~CommandScope() { --m_window.m_commandDepth; }
        CommandScope(const CommandScope&) = delete;
        CommandScope& operator=(const CommandScope&) = delete;

    private:
        MainWindow& m_window;
    };

    void buildMenus();
    QAction* addCommand(QMenu* menu, int id, const QString& text, const QList<QKeySequence>& keys = {});
    // The action runs handler as a command (see readyForHandOver).
    void runs(QAction* act, std::function<void()> handler);
    void runs(QAction* act, void (MainWindow::*handler)());
    void onTabChanged(int index);
    void showPage(int index);
    Page* ensurePage(int index);
    void layoutPages();
    void refreshAfterRead();
    void readNamedLog(bool atStartUp, EarlyLogRead* early = nullptr);
    void emptyLog();
    void setDisplayModeChecks();
    // The Select page at work (main_window_select.cpp).
    void attachSelectPage(Page* page);
    void enterSelectPage();
    void onSelectionCommand(int id);
    void onDisplayModeButton(int mode);
    void showSelection(int pageIndex);
    SaveContext saveContext();
    // What page pageIndex prints for the pages chosen: the settings' fonts
    // and styles, and what the view shows.
    PrintRequest printRequest(int pageIndex, const PrintPages& pages);
    QSize clientSize() const;

    AppContext& m_context;
    QWidget* m_canvas = nullptr;
    QTabBar* m_tabBar = nullptr;
    QString m_manualFolder;  // where Help > Manual looks; the program's folder unless a test says otherwise
    std::array<QPointer<Page>, 8> m_pages{};
    std::map<int, QAction*> m_actions;
    bool m_closing = false;
    bool m_skipLeaveStep = false;
    bool m_started = false;       // start-up has read or chosen its log
    int m_commandDepth = 0;       // commands running, nested ones included
    std::string m_lastMergeFile;  // the Merge question starts from it
};
