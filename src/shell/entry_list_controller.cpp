#include "shell/entry_list_controller.h"

#include <QListView>
#include <QMenu>
#include <QMouseEvent>

#include "shell/entry_list_model.h"
#include "shell/pages/page.h"

EntryListController::EntryListController(QListView& list, EntryListModel& model, Page& page, AppContext& context)
    : QObject(&list), m_list(list), m_viewport(list.viewport()), m_model(model), m_page(page), m_context(context)
{
    m_viewport->installEventFilter(this);
    connect(&m_list, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
        const int entry = m_model.entryAt(index.row());
        if (entry >= 0)
            run(Command::View, entry);
    });
}

int EntryListController::entryAt(const QPoint& viewportPos) const
{
    const QModelIndex index = m_list.indexAt(viewportPos);
    return index.isValid() ? m_model.entryAt(index.row()) : -1;
}

void EntryListController::showEntry(int entry)
{
    m_context.state.dayEntry = entry;
}

void EntryListController::run(Command command, int entry)
{
    if (entry < 0 || entry >= m_context.store.entryCount)
        return;
    showEntry(entry);
    switch (command) {
        case Command::View:
            emit m_page.showPageRequested(static_cast<int>(PageIndex::Day));
            break;
        case Command::Modify:
            emit modifyRequested(entry);
            break;
        case Command::Duplicate:
            emit duplicateRequested(entry);
            break;
    }
}

void EntryListController::popup(int entry, const QPoint& globalPos)
{
    // The row becomes the day view's entry whatever is chosen.
    showEntry(entry);
    QMenu menu(&m_list);
    menu.setObjectName(QStringLiteral("entryPopup"));
    QAction* view = menu.addAction(QString::fromLatin1(kViewItem));
    QAction* modify = menu.addAction(QString::fromLatin1(kModifyItem));
    QAction* duplicate = menu.addAction(QString::fromLatin1(kDuplicateItem));
    QAction* chosen = menu.exec(globalPos);
    if (chosen == view)
        run(Command::View, entry);
    else if (chosen == modify)
        run(Command::Modify, entry);
    else if (chosen == duplicate)
        run(Command::Duplicate, entry);
}

bool EntryListController::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease && watched == m_viewport) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            // Below the last row there is no entry to offer.
            const int entry = entryAt(mouse->position().toPoint());
            if (entry >= 0)
                popup(entry, mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
