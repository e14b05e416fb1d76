// The Select page at work: its five selecting buttons, the display-mode
// buttons, and what the window does after a selection. The rules (criteria,
// matching, where to go afterwards) are the core's; this file carries them
// out on the window.
#include "log/messages.h"
#include "shell/main_window.h"
#include "shell/pages/select_page.h"

namespace {

bool everyEntrySelected(const LogStore& store)
{
    for (std::size_t i = 0; i < store.entryCount; ++i)
        if (!store.entry(i).selected)
            return false;
    return true;
}

}  // namespace

void MainWindow::attachSelectPage(Page* p)
{
    auto* select = qobject_cast<SelectPage*>(p);
    if (!select)
        return;
    connect(select, &SelectPage::selectionRequested, this, [this](int id) {
        const CommandScope running(*this);
        onSelectionCommand(id);
    });
    connect(select, &SelectPage::displayModeChosen, this, &MainWindow::onDisplayModeButton);
}

void MainWindow::enterSelectPage()
{
    if (auto* select = qobject_cast<SelectPage*>(page(static_cast<int>(PageIndex::Select))))
        select->showNarrowingButtons(!everyEntrySelected(m_context.store));
}

// The page's buttons set the mode and the menu's check mark; the lists
// follow at their next refill.
void MainWindow::onDisplayModeButton(int mode)
{
    m_context.settings.selectionDisplayMode = mode;
    setDisplayModeChecks();
    m_canvas->setFocus();
}

void MainWindow::onSelectionCommand(int id)
{
    LogStore& store = m_context.store;
    if (id == ctl::SelectAll) {
        store.selectAll();
    } else if (id == ctl::SelectReverse) {
        for (std::size_t i = 0; i < store.entryCount; ++i)
            store.entry(i).selected = store.entry(i).selected ? 0 : 1;
    } else {
        return;
    }
    showSelection(m_context.state.returnPage);
}

// The lists and the totals show the new selection, then the chosen page.
void MainWindow::showSelection(int pageIndex)
{
    LogStore& store = m_context.store;
    int selected = 0;
    for (std::size_t i = 0; i < store.entryCount; ++i)
        selected += store.entry(i).selected ? 1 : 0;
    store.shownCount = static_cast<std::uint16_t>(selected);
    if (pageIndex < 0 || pageIndex >= kPageCount || pageIndex == static_cast<int>(PageIndex::Select))
        pageIndex = static_cast<int>(PageIndex::Log);
    // The page shown is refilled as it is shown; the others now.
    const bool refilledOnShow = store.entryCount > 0;
    for (std::size_t i = 0; i < m_pages.size(); ++i)
        if (m_pages[i] && !(refilledOnShow && static_cast<int>(i) == pageIndex))
            m_pages[i]->refresh();
    switchToPage(pageIndex);
    updateTitle();
}
