#pragma once

#include <QAbstractListModel>
#include <QColor>
#include <QStyledItemDelegate>
#include <vector>

#include "views/logic/totals.h"

// The totals report as the rows of a list: the text of each line and its
// tag, which decides the row's background.
class TotalsModel : public QAbstractListModel {
    Q_OBJECT
public:
    static constexpr int TagRole = Qt::UserRole + 1;

    using QAbstractListModel::QAbstractListModel;

    void setLines(std::vector<TotalsLine> lines);
    const std::vector<TotalsLine>& lines() const { return m_lines; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    std::vector<TotalsLine> m_lines;
};

// Yellow behind the year summaries (tag 0), grey behind odd tags, the list's
// own background behind even ones: years stand out and neighbouring weeks,
// months or years alternate.
QColor totalsRowBackground(std::uint16_t tag, const QColor& normal);

// Draws a row as the report line it is: the text from the left edge,
// vertically centred, over the background of its tag; rows are 16 pixels.
class TotalsRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
