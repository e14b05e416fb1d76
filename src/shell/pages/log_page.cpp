#include "shell/pages/log_page.h"

#include <QListView>
#include <QPainter>
#include <QScrollBar>

#include "shell/entry_list_controller.h"
#include "shell/entry_list_model.h"
#include "shell/logic/entry_lists.h"
#include "views/paint_style.h"

LogPage::LogPage(AppContext& context, QWidget* parent) : Page(context, kIndex, parent)
{
    m_list = addList(ctl::LogList);
    m_model = new EntryListModel(context.store, true, m_list);
    m_list->setModel(m_model);
    m_list->setItemDelegate(new LogRowDelegate(m_list));
    m_list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    m_controller = new EntryListController(*m_list, *m_model, *this, context);
    m_listCharWidth = averageCharWidth(context.fonts.listFont);
    finishTabOrder();
    refresh();
}

int LogPage::topRow() const
{
    return m_list->verticalScrollBar()->value();
}

void LogPage::refresh()
{
    LogStore& store = m_context.store;
    const int mode = m_context.settings.selectionDisplayMode;
    EntryRows rows = entryRows(store, mode);
    store.shownCount = static_cast<std::uint16_t>(rows.selectedCount);
    const bool highlight = mode == kShowAllHighlightSelected && !rows.allSelected;
    const int count = static_cast<int>(rows.log.size());
    int top = endTopRow(count, m_logRows);
    // An entry just saved is brought into view, once, when every entry shows.
    int& reveal = m_context.state.revealEntry;
    if (reveal >= 0 && rows.allSelected) {
        const int row = rowOfEntry(rows.log, reveal);
        if (row >= 0)
            top = revealTopRow(top, row, m_logRows);
    }
    reveal = -1;
    m_model->setRows(std::move(rows.log), rowTextWidth(m_listWidth, m_listCharWidth), highlight);
    if (count > 0)
        m_list->scrollTo(m_model->index(top), QAbstractItemView::PositionAtTop);
}

void LogPage::placeControls(QSize client)
{
    const LogGeometry g = logGeometry(pageClientWidth(client.width()), pageClientHeight(index(), client.height()));
    place(m_list, g.list);
    m_listWidth = g.listWidth;
    m_logRows = g.rows;
    m_model->setTextWidth(rowTextWidth(m_listWidth, m_listCharWidth));
}

QColor LogPage::background() const
{
    return kViewBackground;
}

void LogPage::paintClient(QPainter& painter)
{
    painter.setFont(m_context.fonts.tabFont);
    for (const PaintedText& heading : logHeadings(clientRect().width()))
        drawTextAt(painter, heading);
}
