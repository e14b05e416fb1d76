#include "shell/entry_commands.h"

#include <QPushButton>

#include "log/messages.h"
#include "shell/entry_form_controller.h"
#include "shell/entry_list_controller.h"
#include "shell/logic/entry_lists.h"
#include "shell/main_window.h"
#include "shell/pages/data_entry_page.h"
#include "shell/pages/day_page.h"
#include "shell/pages/log_page.h"

EntryCommands::EntryCommands(MainWindow& window, AppContext& context, Page& page)
    : QObject(&page), m_window(window), m_context(context), m_page(page)
{
}

void EntryCommands::attach(MainWindow& window, AppContext& context, Page* page)
{
    if (!page)
        return;
    auto* commands = new EntryCommands(window, context, *page);
    EntryListController* list = nullptr;
    if (auto* entryPage = qobject_cast<DataEntryPage*>(page)) {
        list = entryPage->recentController();
        connect(entryPage->form(), &EntryFormController::routesChanged, commands, &EntryCommands::discardSelectPage);
        connect(entryPage->form(), &EntryFormController::listsChanged, commands, [&window] { window.reloadPages(); });
    } else if (auto* logPage = qobject_cast<LogPage*>(page)) {
        list = logPage->listController();
    } else if (auto* dayPage = qobject_cast<DayPage*>(page)) {
        ShellState& state = context.state;
        connect(dayPage->deleteButton(), &QPushButton::clicked, commands, &EntryCommands::deleteDayEntry);
        connect(dayPage->modifyButton(), &QPushButton::clicked, commands,
                [commands, &state] { commands->modify(state.dayEntry); });
        connect(dayPage->duplicateButton(), &QPushButton::clicked, commands,
                [commands, &state] { commands->duplicate(state.dayEntry); });
    }
    if (list) {
        connect(list, &EntryListController::modifyRequested, commands, &EntryCommands::modify);
        connect(list, &EntryListController::duplicateRequested, commands, &EntryCommands::duplicate);
    }
}

void EntryCommands::fillForm(int entry, bool modify)
{
    if (entry < 0 || entry >= m_context.store.entryCount)
        return;
    if (m_window.currentPage() != static_cast<int>(PageIndex::DataEntry))
        m_window.switchToPage(static_cast<int>(PageIndex::DataEntry));
    if (auto* form = qobject_cast<DataEntryPage*>(m_window.page(static_cast<int>(PageIndex::DataEntry))))
        form->form()->fillFromEntry(entry, modify);
}

void EntryCommands::modify(int entry)
{
    fillForm(entry, true);
}

void EntryCommands::duplicate(int entry)
{
    fillForm(entry, false);
}

void EntryCommands::deleteDayEntry()
{
    LogStore& store = m_context.store;
    ShellState& state = m_context.state;
    if (state.dayEntry < 0 || state.dayEntry >= store.entryCount)
        return;
    if (m_context.prompt.message(msg::kCaption, kDeleteQuestion, UserPrompt::Icon::None, UserPrompt::Buttons::YesNo,
                                 UserPrompt::Answer::No) != UserPrompt::Answer::Yes)
        return;
    state.dayEntry = deleteEntry(store, state.dayEntry);
    emit m_page.logChanged();
}

void EntryCommands::discardSelectPage()
{
    // The page is made again, with the routes as they are, when next shown.
    delete m_window.page(static_cast<int>(PageIndex::Select));
}
