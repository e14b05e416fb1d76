#include "views/totals_list.h"

#include <QPainter>

#include "shell/logic/page_layout.h"

void TotalsModel::setLines(std::vector<TotalsLine> lines)
{
    beginResetModel();
    m_lines = std::move(lines);
    endResetModel();
}

int TotalsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_lines.size());
}

QVariant TotalsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() < 0 || static_cast<std::size_t>(index.row()) >= m_lines.size())
        return {};
    const TotalsLine& line = m_lines[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole)
        return QString::fromLatin1(line.text.data(), static_cast<qsizetype>(line.text.size()));
    if (role == TagRole)
        return static_cast<int>(line.tag);
    return {};
}

QColor totalsRowBackground(std::uint16_t tag, const QColor& normal)
{
    if (tag == 0)
        return QColor(255, 255, 0);
    if (tag % 2 == 1)
        return QColor(224, 224, 224);
    return normal;
}

void TotalsRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const auto tag = static_cast<std::uint16_t>(index.data(TotalsModel::TagRole).toInt());
    painter->save();
    painter->fillRect(option.rect, totalsRowBackground(tag, option.palette.color(QPalette::Base)));
    painter->setFont(option.font);
    painter->setPen(Qt::black);
    painter->drawText(option.rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
}

QSize TotalsRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    return QSize(option.rect.width(), kListRowHeight);
}
