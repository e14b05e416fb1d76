// The Select page at work: its five selecting buttons, the display-mode
// buttons, and what the window does after a selection. The rules (criteria,
// matching, where to go afterwards) are the core's; this file carries them
// out on the window.
#include "log/messages.h"
#include "shell/logic/selection.h"
#include "shell/main_window.h"
#include "shell/pages/select_page.h"
#include "shell/select_controller.h"

namespace {

SelectAction actionOf(int id)
{
    return id == ctl::SelectMore    ? SelectAction::SelectMore
           : id == ctl::SelectFewer ? SelectAction::SelectFewer
                                    : SelectAction::Select;
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
        select->showNarrowingButtons(countSelected(m_context.store) < m_context.store.entryCount);
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
    ShellState& state = m_context.state;
    if (id == ctl::SelectAll || id == ctl::SelectReverse) {
        store.shownCount =
            static_cast<std::uint16_t>(id == ctl::SelectAll ? selectAllEntries(store) : reverseSelection(store));
        showSelection(state.returnPage);
        return;
    }
    auto* select = qobject_cast<SelectPage*>(page(static_cast<int>(PageIndex::Select)));
    if (!select)
        return;
    UserPrompt& prompt = m_context.prompt;
    const SelectCriteria criteria = select->controller()->readCriteria();
    const SelectResult result = runSelect(store, criteria, actionOf(id), [&prompt](const std::string& text) {
        prompt.message(kInputErrorCaption, text, UserPrompt::Icon::Warning);
    });
    select->controller()->writeCriteria(result.normalised);
    if (!result.phraseFound) {
        prompt.message(msg::kCaption, kPhraseNotFound, UserPrompt::Icon::None);
        return;
    }
    store.shownCount = static_cast<std::uint16_t>(result.selectedCount);
    if (page(static_cast<int>(PageIndex::Day)) && state.dayEntry > 0)
        state.dayEntry = dayEntryAfterSelect(store, state.dayEntry);
    const PageAfterSelect next = pageAfterSelect(criteria, store, state.returnPage);
    state.returnPage = next.returnPage;
    showSelection(next.page);
}

// The lists and the totals show the new selection, then the chosen page.
void MainWindow::showSelection(int pageIndex)
{
    const LogStore& store = m_context.store;
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
