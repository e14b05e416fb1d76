#include "shell/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QTabBar>

#include "log/log_reader.h"
#include "log/messages.h"
#include "shell/date_typing.h"
#include "shell/early_log_read.h"
#include "shell/entry_commands.h"
#include "shell/logic/shortcut.h"
#include "shell/logic/unsaved_changes.h"
#include "shell/pages/data_entry_page.h"
#include "shell/qt_user_prompt.h"
#include "shell/shell_dialogs.h"

namespace {

constexpr int kTabHeight = 25;
const char* const kTabTexts[kPageCount] = {"Data Entry", "Log", "Day", "Week", "Totals", "Graph", "Select"};

}  // namespace

MainWindow::MainWindow(AppContext& context, QWidget* parent) : QMainWindow(parent), m_context(context)
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QString::fromLatin1(kProgramTitle));
    m_canvas = new QWidget(this);
    m_canvas->setObjectName(QStringLiteral("canvas"));
    m_canvas->installEventFilter(this);
    // Where no page covers it (below the Select page) the window shows the
    // system's window colour, the colour of a text box's background.
    m_canvas->setBackgroundRole(QPalette::Base);
    m_canvas->setAutoFillBackground(true);
    setCentralWidget(m_canvas);

    m_tabBar = new QTabBar(m_canvas);
    m_tabBar->setObjectName(QStringLiteral("tabStrip"));
    m_tabBar->setFocusPolicy(Qt::NoFocus);
    m_tabBar->setFont(m_context.fonts.tabFont);
    m_tabBar->setExpanding(false);
    m_tabBar->setDrawBase(false);
    for (const char* text : kTabTexts)
        m_tabBar->addTab(QString::fromLatin1(text));
    connect(m_tabBar, &QTabBar::currentChanged, this, &MainWindow::onTabChanged);

    buildMenus();
    setDisplayModeChecks();
    qApp->installEventFilter(this);
    m_context.state.currentPage = 0;
    showPage(0);
}

MainWindow::~MainWindow()
{
    qApp->removeEventFilter(this);
}

QAction* MainWindow::action(int commandId) const
{
    auto it = m_actions.find(commandId);
    return it == m_actions.end() ? nullptr : it->second;
}

Page* MainWindow::page(int index) const
{
    return index >= 0 && index < kPageCount ? m_pages[static_cast<std::size_t>(index)].data() : nullptr;
}

QSize MainWindow::clientSize() const
{
    return m_canvas->size();
}

Page* MainWindow::ensurePage(int index)
{
    QPointer<Page>& slot = m_pages[static_cast<std::size_t>(index)];
    if (!slot) {
        slot = createPage(index, m_context, clientSize(), m_canvas);
        if (slot) {
            slot->hide();
            connect(slot.data(), &Page::showPageRequested, this, &MainWindow::switchToPage);
            connect(slot.data(), &Page::logChanged, this, [this] {
                refreshPages();
                updateTitle();
            });
            EntryCommands::attach(*this, m_context, slot.data());
            attachSelectPage(slot.data());
        }
    }
    return slot.data();
}

void MainWindow::layoutPages()
{
    const QSize client = clientSize();
    m_tabBar->setGeometry(0, 0, client.width(), kTabHeight);
    for (std::size_t i = 0; i < m_pages.size(); ++i) {
        Page* p = m_pages[i].data();
        if (!p)
            continue;
        p->setGeometry(Page::pageGeometry(static_cast<int>(i), client));
        p->layoutFor(client);
    }
}

void MainWindow::showPage(int index)
{
    Page* p = ensurePage(index);
    layoutPages();
    if (p) {
        p->show();
        p->update();
    }
}

void MainWindow::switchToPage(int index)
{
    if (m_tabBar->currentIndex() == index)
        onTabChanged(index);
    else
        m_tabBar->setCurrentIndex(index);  // runs the tab-change steps
}

void MainWindow::onTabChanged(int index)
{
    if (index < 0 || index >= kPageCount)
        return;
    ShellState& state = m_context.state;
    const int leaving = state.currentPage;
    if (leaving == static_cast<int>(PageIndex::DataEntry) && page(leaving) &&
        page(leaving)->isAncestorOf(focusWidget()))
        m_canvas->setFocus();
    if (Page* old = page(leaving); old && leaving != index)
        old->hide();
    if (index == static_cast<int>(PageIndex::Select))
        state.returnPage =
            leaving == static_cast<int>(PageIndex::DataEntry) ? static_cast<int>(PageIndex::Log) : leaving;
    state.currentPage = index;
    if (index == static_cast<int>(PageIndex::Day) && state.dayEntry < 0 && m_context.store.entryCount > 0)
        state.dayEntry = m_context.store.entryCount - 1;
    Page* p = ensurePage(index);
    if (p && m_context.store.entryCount > 0)
        p->refresh();
    if (index == static_cast<int>(PageIndex::Select))
        enterSelectPage();
    showPage(index);
}

void MainWindow::refreshPages()
{
    for (QPointer<Page>& slot : m_pages)
        if (slot)
            slot->refresh();
    if (Page* p = page(currentPage()))
        p->update();
}

void MainWindow::reloadPages()
{
    for (QPointer<Page>& slot : m_pages)
        if (slot)
            slot->reloadFromLog();
    refreshPages();
}

void MainWindow::updateTitle()
{
    const LogStore& store = m_context.store;
    if (store.fileName.empty() && store.entryCount == 0) {
        setWindowTitle(QString::fromLatin1(kNoActiveLogTitle));
        return;
    }
    setWindowTitle(QStringLiteral("The Orvanta - %1, %2/%3 entries")
                       .arg(QFile::decodeName(store.displayName.c_str()))
                       .arg(store.shownCount)
                       .arg(store.entryCount));
}

SaveContext MainWindow::saveContext()
{
    UserPrompt& prompt = m_context.prompt;
    return SaveContext{prompt, m_context.settingsStore,
                       [&prompt](const std::string& path) { createShortcut(logShortcut(path), prompt); }};
}

bool MainWindow::leaveLog()
{
    SaveContext context = saveContext();
    const bool proceed = offerToSave(m_context.store, context);
    updateTitle();
    if (!proceed)
        return false;
    if (m_context.settingsStore.exists()) {
        const QRect normal = isMaximized() || isMinimized() ? normalGeometry() : geometry();
        writeSettings(m_context.settingsStore, m_context.settings,
                      ScreenRect{normal.x(), normal.y(), normal.width(), normal.height()});
    }
    return true;
}

void MainWindow::readNamedLog(bool atStartUp, EarlyLogRead* early)
{
    if (early) {
        early->finish(m_context.store, m_context.prompt);
    } else {
        ReadOptions options;
        options.isDefaultLog = atStartUp;
        options.calorieSportNames = m_context.settings.calorieSportNames();
        readLog(m_context.store, m_context.prompt, options);
    }
    m_context.store.shownCount = m_context.store.entryCount;
    updateTitle();
}

void MainWindow::refreshAfterRead()
{
    LogStore& store = m_context.store;
    ShellState& state = m_context.state;
    updateTitle();
    const bool toLog = state.currentPage == static_cast<int>(PageIndex::DataEntry) && store.entryCount > 0;
    if (state.currentPage == static_cast<int>(PageIndex::Day))
        state.dayEntry = store.entryCount > 0 ? store.entryCount - 1 : -1;
    reloadPages();
    if (toLog)
        switchToPage(static_cast<int>(PageIndex::Log));
}

void MainWindow::startUp(EarlyLogRead* early)
{
    const CommandScope running(*this);
    if (!m_context.store.fileName.empty()) {
        readNamedLog(true, early);
        // Reading at start-up fills the lists and leaves the page as it is:
        // the form, with the focus in its date, so a workout can be typed at once.
        reloadPages();
        if (auto* form = qobject_cast<DataEntryPage*>(page(currentPage())))
            form->focusDate();
    } else if (m_context.dialogs.askLogChoice(this) == ShellDialogs::LogChoice::NewLog) {
        onNew();
    } else {
        onOpen();
    }
    m_started = true;
}

bool MainWindow::readyForHandOver() const
{
    return m_started && m_commandDepth == 0 && !QApplication::activeModalWidget() && !QApplication::activePopupWidget();
}

bool MainWindow::openHandedOver(const std::string& path)
{
    const CommandScope running(*this);
    LogStore& store = m_context.store;
    if (store.entryCount > 0 && store.modified && !leaveLog())
        return false;
    store.clearForRead();
    m_context.state.clearPositions();
    store.setFileName(path);
    readNamedLog(false);
    refreshAfterRead();
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The window is disabled only while a job prints from it; the job's
    // Cancel ends it, and the window may close after.
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    if (m_skipLeaveStep || leaveLog()) {
        m_closing = true;
        event->accept();
    } else {
        event->ignore();
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_canvas && event->type() == QEvent::Resize) {
        // Pages are laid out anew for the new size; nothing they hold is lost.
        layoutPages();
        return false;
    }
    if (DateTyping::filter(watched, event))
        return true;
    if (event->type() == QEvent::ShortcutOverride && isActiveWindow()) {
        // Ctrl+A selects every entry even while a text box has the focus,
        // as the menu promises.
        auto* key = static_cast<QKeyEvent*>(event);
        const auto mods = key->modifiers() & ~Qt::ShiftModifier;
        if (mods == Qt::ControlModifier && key->key() == Qt::Key_A) {
            event->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
