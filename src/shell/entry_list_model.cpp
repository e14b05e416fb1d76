#include "shell/entry_list_model.h"

#include <QPainter>

#include "shell/logic/entry_lists.h"
#include "shell/logic/page_layout.h"

EntryListModel::EntryListModel(const LogStore& store, bool coloured, QObject* parent)
    : QAbstractListModel(parent), m_store(store), m_coloured(coloured)
{
}

void EntryListModel::setRows(std::vector<int> rows, int textWidth, bool highlightSelected)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_textWidth = textWidth;
    m_highlightSelected = highlightSelected;
    endResetModel();
}

void EntryListModel::setTextWidth(int textWidth)
{
    if (textWidth == m_textWidth)
        return;
    m_textWidth = textWidth;
    if (!m_rows.empty())
        emit dataChanged(index(0), index(static_cast<int>(m_rows.size()) - 1), {Qt::DisplayRole});
}

int EntryListModel::entryAt(int row) const
{
    if (row < 0 || row >= static_cast<int>(m_rows.size()))
        return -1;
    const int entry = m_rows[static_cast<std::size_t>(row)];
    return entry < m_store.entryCount ? entry : -1;
}

int EntryListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

QVariant EntryListModel::data(const QModelIndex& index, int role) const
{
    const int entry = entryAt(index.row());
    if (entry < 0)
        return {};
    const LogEntry& e = m_store.entry(static_cast<std::size_t>(entry));
    switch (role) {
        case Qt::DisplayRole: {
            const std::string row = formatEntryRow(e, m_textWidth);
            return QString::fromLatin1(row.data(), static_cast<qsizetype>(row.size()));
        }
        case EntryRole:
            return entry;
        case Qt::ForegroundRole:
            if (m_coloured)
                return colorFromBgr(rowColors(e, m_highlightSelected).text);
            return {};
        case Qt::BackgroundRole:
            if (m_coloured) {
                const std::uint32_t background = rowColors(e, m_highlightSelected).background;
                if (background != kListBackground)
                    return colorFromBgr(background);
            }
            return {};
        default:
            return {};
    }
}

QSize SixteenPixelRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return QSize(QStyledItemDelegate::sizeHint(option, index).width(), kListRowHeight);
}

void LogRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QVariant background = index.data(Qt::BackgroundRole);
    painter->fillRect(option.rect,
                      background.isValid() ? background.value<QColor>() : option.palette.color(QPalette::Base));
    const QVariant foreground = index.data(Qt::ForegroundRole);
    painter->setPen(foreground.isValid() ? foreground.value<QColor>() : option.palette.color(QPalette::Text));
    painter->setFont(option.font);
    painter->drawText(option.rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
}
