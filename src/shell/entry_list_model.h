#pragma once

#include <QAbstractListModel>
#include <QColor>
#include <QStyledItemDelegate>
#include <cstdint>
#include <vector>

#include "log/log_store.h"

// A colour kept as 0x00BBGGRR, as the platform's colours are.
inline QColor colorFromBgr(std::uint32_t bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

// The rows of an entry list: a table of entry indexes over the log, each
// row's text made when it is shown, so a refill of 10,000 rows is one swap
// of the table and a reset.
class EntryListModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role { EntryRole = Qt::UserRole + 1 };

    // coloured: rows carry the Log list's text and background colours.
    EntryListModel(const LogStore& store, bool coloured, QObject* parent = nullptr);

    // highlightSelected: selected entries get the yellow background.
    void setRows(std::vector<int> rows, int textWidth, bool highlightSelected);
    const std::vector<int>& rows() const { return m_rows; }
    int textWidth() const { return m_textWidth; }
    // A resized list keeps its rows; their route and comment columns follow.
    void setTextWidth(int textWidth);
    // The entry a row shows, or -1.
    int entryAt(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    const LogStore& m_store;
    bool m_coloured;
    std::vector<int> m_rows;
    int m_textWidth = 0;
    bool m_highlightSelected = false;
};

// Rows of the program's lists are 16 pixels high.
class SixteenPixelRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// The Log list draws its rows itself: the row filled with its background,
// the text at the left edge, vertically centred, in its colour.
class LogRowDelegate : public SixteenPixelRowDelegate {
    Q_OBJECT
public:
    using SixteenPixelRowDelegate::SixteenPixelRowDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
