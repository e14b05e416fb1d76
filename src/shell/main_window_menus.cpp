// The menu and the File, Edit, Select, Special and Help commands.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QUrl>
#include <cstdio>
#include <cstring>
#include <vector>

#include "log/log_reader.h"
#include "log/messages.h"
#include "shell/logic/entry_lists.h"
#include "shell/logic/shortcut.h"
#include "shell/main_window.h"
#include "shell/pages/select_page.h"
#include "shell/shell_dialogs.h"

namespace {

// Every accelerator works with Ctrl and with Ctrl+Shift.
QList<QKeySequence> ctrlKeys(Qt::Key key)
{
    return {QKeySequence(Qt::CTRL | key), QKeySequence(Qt::CTRL | Qt::SHIFT | key)};
}

}  // namespace

QAction* MainWindow::addCommand(QMenu* menu, int id, const QString& text, const QList<QKeySequence>& keys)
{
    QAction* act = menu->addAction(text);
    act->setObjectName(QStringLiteral("cmd%1").arg(id));
    act->setData(id);
    if (!keys.isEmpty()) {
        act->setShortcuts(keys);
        act->setShortcutContext(Qt::WindowShortcut);
    }
    m_actions[id] = act;
    return act;
}

void MainWindow::runs(QAction* act, std::function<void()> handler)
{
    connect(act, &QAction::triggered, this, [this, handler = std::move(handler)] {
        // A log handed over while the command runs (its dialogs run event
        // loops) waits until it is done.
        const CommandScope running(*this);
        handler();
    });
}

void MainWindow::runs(QAction* act, void (MainWindow::*handler)())
{
    runs(act, std::function<void()>([this, handler] { (this->*handler)(); }));
}

void MainWindow::buildMenus()
{
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    runs(addCommand(file, cmd::New, QStringLiteral("&New")), &MainWindow::onNew);
    runs(addCommand(file, cmd::Open, QStringLiteral("&Open")), &MainWindow::onOpen);
    runs(addCommand(file, cmd::Merge, QStringLiteral("&Merge")), &MainWindow::onMerge);
    runs(addCommand(file, cmd::Import, QStringLiteral("&Import...")), &MainWindow::onImport);
    runs(addCommand(file, cmd::Revert, QStringLiteral("&Revert to Saved")), &MainWindow::onRevert);
    runs(addCommand(file, cmd::Save, QStringLiteral("&Save")), &MainWindow::onSave);
    runs(addCommand(file, cmd::SaveSelectedAs, QStringLiteral("Save Selected &As")), &MainWindow::onSaveSelectedAs);
    runs(addCommand(file, cmd::Archive, QStringLiteral("A&rchive")), &MainWindow::onArchive);
    runs(addCommand(file, cmd::Print, QStringLiteral("Print")), &MainWindow::onPrint);
    file->addSeparator();
    runs(addCommand(file, cmd::Exit, QStringLiteral("E&xit"), ctrlKeys(Qt::Key_Q)), &MainWindow::onExit);
    runs(addCommand(file, cmd::ExitWithoutSaving, QStringLiteral("Exit &Without Saving")),
         &MainWindow::onExitWithoutSaving);

    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    const std::pair<int, const char*> editCommands[] = {
        {cmd::Undo, "&Undo"}, {cmd::Cut, "Cu&t"}, {cmd::Copy, "&Copy"}, {cmd::Paste, "&Paste"}};
    const Qt::Key editKeys[] = {Qt::Key_Z, Qt::Key_X, Qt::Key_C, Qt::Key_V};
    for (int i = 0; i < 4; ++i) {
        const int id = editCommands[i].first;
        runs(addCommand(edit, id, QString::fromLatin1(editCommands[i].second), ctrlKeys(editKeys[i])),
             [this, id] { onEditCommand(id); });
    }

    QMenu* select = bar->addMenu(QStringLiteral("&Select"));
    runs(addCommand(select, cmd::SelectAll, QStringLiteral("&All"), ctrlKeys(Qt::Key_A)), &MainWindow::onSelectAll);
    select->addSeparator();
    auto* modes = new QActionGroup(this);
    QAction* only = addCommand(select, cmd::ShowSelectedOnly, QStringLiteral("Show Selected &Only"));
    QAction* all = addCommand(select, cmd::ShowAllHighlight, QStringLiteral("Show All, &Highlight Selected"));
    for (QAction* a : {only, all}) {
        a->setCheckable(true);
        modes->addAction(a);
    }
    runs(only, [this] { onDisplayMode(1); });
    runs(all, [this] { onDisplayMode(0); });

    QMenu* special = bar->addMenu(QStringLiteral("S&pecial"));
    runs(addCommand(special, cmd::SortEntries, QStringLiteral("&Sort Entries")), &MainWindow::onSortEntries);
    QMenu* configure = special->addMenu(QStringLiteral("&Configure"));
    runs(addCommand(configure, cmd::Preferences, QStringLiteral("&Preferences")), &MainWindow::onPreferences);
    runs(addCommand(configure, cmd::Sports, QStringLiteral("&Sports")), &MainWindow::onSports);
    runs(addCommand(configure, cmd::Calories, QStringLiteral("&Calories")), &MainWindow::onCalories);
    runs(addCommand(configure, cmd::Fonts, QStringLiteral("&Fonts")), &MainWindow::onFonts);
    QMenu* log = special->addMenu(QStringLiteral("&Log"));
    runs(addCommand(log, cmd::MakeDefaultLog, QStringLiteral("Make &Default Log")), &MainWindow::onMakeDefaultLog);
    runs(addCommand(log, cmd::AddToStartMenu, QStringLiteral("&Add to Start Menu")), &MainWindow::onAddToStartMenu);
    QMenu* palm = special->addMenu(QStringLiteral("&Palm"));
    runs(addCommand(palm, cmd::MakeMergeLog, QStringLiteral("Make Palm &Upload (Merge) Log")),
         &MainWindow::onMakeMergeLog);
    runs(addCommand(palm, cmd::SetDownloadFolder, QStringLiteral("Set Palm Download &Folder")),
         &MainWindow::onSetDownloadFolder);

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    runs(addCommand(help, cmd::Manual, QStringLiteral("&Manual")), &MainWindow::onManual);
    runs(addCommand(help, cmd::About, QStringLiteral("&About"),
                    {QKeySequence(Qt::ALT | Qt::Key_Slash), QKeySequence(Qt::ALT | Qt::Key_Question),
                     QKeySequence(Qt::ALT | Qt::SHIFT | Qt::Key_Question)}),
         &MainWindow::onAbout);
}

void MainWindow::setDisplayModeChecks()
{
    const bool selectedOnly = m_context.settings.selectionDisplayMode != 0;
    action(cmd::ShowSelectedOnly)->setChecked(selectedOnly);
    action(cmd::ShowAllHighlight)->setChecked(!selectedOnly);
    // The Select page's buttons show the same mode, whichever way it was chosen.
    if (auto* select = qobject_cast<SelectPage*>(page(static_cast<int>(PageIndex::Select))))
        select->showDisplayMode(m_context.settings.selectionDisplayMode);
}

void MainWindow::emptyLog()
{
    LogStore& store = m_context.store;
    store.clearForRead();
    store.resetSportNone();
    m_context.state.clearPositions();
}

void MainWindow::onNew()
{
    LogStore& store = m_context.store;
    UserPrompt& prompt = m_context.prompt;
    if (store.modified && !leaveLog())
        return;
    const int oldEntries = store.entryCount;
    UserPrompt::FileQuestion question{msg::kNewFileTitle, "MyNewLog.dat", "", UserPrompt::FileFilter::Logs};
    std::optional<std::string> chosen = prompt.saveFileName(question);
    if (chosen) {
        store.setFileName(*chosen);
        store.entryCount = 0;
        store.shownCount = 0;
        setWindowTitle(
            QStringLiteral("The Orvanta - %1, 0/0 entries").arg(QFile::decodeName(store.displayName.c_str())));
        store.modified = true;
        bool retain = oldEntries > 0 &&
                      prompt.message(msg::kCaption, kRetainQuestion, UserPrompt::Icon::Question,
                                     UserPrompt::Buttons::YesNo, UserPrompt::Answer::Yes) == UserPrompt::Answer::Yes;
        if (!retain) {
            store.sportCount = 0;
            store.routeCount = 0;
            store.keywordCount = 0;
            m_context.dialogs.editPreferences(this, m_context);
            m_context.dialogs.editSports(this, m_context);
        }
    } else {
        store.fileName.clear();
        store.displayName.clear();
        store.modified = false;
        store.sportCount = 0;
        store.routeCount = 0;
        store.keywordCount = 0;
    }
    store.entryCount = 0;
    store.shownCount = 0;
    store.editingIndex = -1;
    m_context.state.clearPositions();
    reloadPages();
    if (!chosen)
        setWindowTitle(QString::fromLatin1(kNoActiveLogTitle));
}

void MainWindow::onOpen()
{
    LogStore& store = m_context.store;
    if (store.entryCount > 0 && store.modified && !leaveLog())
        return;
    emptyLog();
    store.fileName.clear();
    store.displayName.clear();
    UserPrompt::FileQuestion question{msg::kSelectLogTitle, "", "", UserPrompt::FileFilter::Logs};
    std::optional<std::string> chosen = m_context.prompt.openFileName(question);
    if (!chosen) {
        // Nothing is open now; say so rather than show the old log's name.
        reloadPages();
        setWindowTitle(QString::fromLatin1(kNoActiveLogTitle));
        return;
    }
    store.setFileName(*chosen);
    readNamedLog(false);
    refreshAfterRead();
}

void MainWindow::onRevert()
{
    LogStore& store = m_context.store;
    if (store.modified &&
        m_context.prompt.message(msg::kCaption, kRevertQuestion, UserPrompt::Icon::None, UserPrompt::Buttons::OkCancel,
                                 UserPrompt::Answer::Cancel) != UserPrompt::Answer::Ok)
        return;
    const std::string name = store.fileName;
    emptyLog();
    store.setFileName(name);
    readNamedLog(false);
    // The window is laid out anew for the log read again; the page stays.
    layoutPages();
    reloadPages();
}

void MainWindow::onSave()
{
    SaveContext context = saveContext();
    saveLog(m_context.store, "", false, SaveFormat::CompleteLog, context);
    updateTitle();
}

void MainWindow::onSaveSelectedAs()
{
    const int format = m_context.dialogs.askSaveFormat(this);
    if (format < 0 || format > 4)
        return;
    const LogStore& store = m_context.store;
    const bool html = format == static_cast<int>(SaveFormat::Html);
    UserPrompt::FileQuestion question{msg::kNewFileTitle, "Download.dat", "",
                                      html ? UserPrompt::FileFilter::WebPages : UserPrompt::FileFilter::Logs};
    if (html) {
        const std::string base = store.fileName.empty() ? std::string("MyLog.dat") : store.fileName;
        question.proposedName = base.substr(0, base.size() >= 4 ? base.size() - 4 : 0) + ".htm";
    }
    std::optional<std::string> chosen = m_context.prompt.saveFileName(question);
    if (!chosen)
        return;
    SaveContext context = saveContext();
    saveLog(m_context.store, *chosen, true, static_cast<SaveFormat>(format), context);
    updateTitle();
}

void MainWindow::onExit()
{
    close();
}

void MainWindow::onExitWithoutSaving()
{
    if (m_context.store.modified &&
        m_context.prompt.message(msg::kCaption, kExitWithoutSavingQuestion, UserPrompt::Icon::None,
                                 UserPrompt::Buttons::OkCancel, UserPrompt::Answer::Cancel) != UserPrompt::Answer::Ok)
        return;
    m_skipLeaveStep = true;
    close();
    m_skipLeaveStep = false;
}

void MainWindow::onEditCommand(int commandId)
{
    QWidget* focus = QApplication::focusWidget();
    if (!focus)
        return;
    const char* method = commandId == cmd::Undo   ? "undo"
                         : commandId == cmd::Cut  ? "cut"
                         : commandId == cmd::Copy ? "copy"
                                                  : "paste";
    if (qobject_cast<QLineEdit*>(focus) || qobject_cast<QPlainTextEdit*>(focus))
        QMetaObject::invokeMethod(focus, method);
}

void MainWindow::onSelectAll()
{
    LogStore& store = m_context.store;
    store.selectAll();
    store.shownCount = store.entryCount;
    refreshPages();
    updateTitle();
}

void MainWindow::onDisplayMode(int mode)
{
    m_context.settings.selectionDisplayMode = mode;
    setDisplayModeChecks();
    refreshPages();
}

void MainWindow::onSortEntries()
{
    LogStore& store = m_context.store;
    sortEntries(store, m_context.state.dayEntry);
    if (store.modified)
        refreshPages();
    updateTitle();
}

void MainWindow::onPreferences()
{
    // The date order may have changed: the pickers follow it.
    if (m_context.dialogs.editPreferences(this, m_context))
        reloadPages();
    updateTitle();
}

void MainWindow::onSports()
{
    if (m_context.dialogs.editSports(this, m_context))
        reloadPages();
    updateTitle();
}

void MainWindow::onCalories()
{
    m_context.dialogs.editCalories(this, m_context);
    if (Page* graph = page(static_cast<int>(PageIndex::Graph)); graph && currentPage() == graph->index())
        graph->update();
}

void MainWindow::onFonts()
{
    m_context.dialogs.editFonts(this, m_context);
    // The day and week views take their fonts from the settings when they paint.
    if (Page* p = page(currentPage()))
        p->update();
}

void MainWindow::onMakeDefaultLog()
{
    SettingsStore& settings = m_context.settingsStore;
    if (!settings.exists())
        return;
    settings.writeString("Default Log", m_context.store.fileName);
    settings.writeString("Merge Log", m_context.store.fileName);
    m_context.settings.defaultLog = m_context.store.fileName;
    m_context.prompt.message(msg::kCaption, kDefaultLogMade, UserPrompt::Icon::None);
}

void MainWindow::onMakeMergeLog()
{
    SettingsStore& settings = m_context.settingsStore;
    if (!settings.exists())
        return;
    settings.writeString("Merge Log", m_context.store.fileName);
    m_context.prompt.message(msg::kCaption, kMergeLogMade, UserPrompt::Icon::None);
}

void MainWindow::onAddToStartMenu()
{
    createShortcut(logShortcut(m_context.store.fileName), m_context.prompt);
}

void MainWindow::onAbout()
{
    m_context.dialogs.showAbout(this);
}

// The manual is installed beside the program.
void MainWindow::onManual()
{
    const QString folder = m_manualFolder.isEmpty() ? QApplication::applicationDirPath() : m_manualFolder;
    const QString manual = folder + QLatin1Char('/') + QLatin1String(kManualFileName);
    if (!QFile::exists(manual)) {
        m_context.prompt.message(msg::kCaption, kManualMissing, UserPrompt::Icon::Information);
    } else if (!QDesktopServices::openUrl(QUrl::fromLocalFile(manual))) {
        const QByteArray path = QFile::encodeName(manual);
        std::vector<char> text(std::strlen(kManualNotOpened) + path.size() + 1);
        std::snprintf(text.data(), text.size(), kManualNotOpened, path.constData());
        m_context.prompt.message(msg::kCaption, text.data(), UserPrompt::Icon::Information);
    }
}
