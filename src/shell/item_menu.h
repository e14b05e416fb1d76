#pragma once

#include <QMenu>
#include <QStringList>

// The Keyword and Autofill popups: one item per keyword or route, then the
// item that adds one. An item chosen while the Delete key is held is to be
// deleted rather than used; so is one whose own context menu's "Delete…"
// is chosen (the right button on the item), which closes the popup.
class ItemMenu : public QMenu {
    Q_OBJECT
public:
    struct Choice {
        int index = -1;  // the chosen item, -1 for none
        bool remove = false;
    };

    // items: the deletable ones, then lastItem.
    ItemMenu(const QStringList& items, const QString& lastItem, QWidget* parent = nullptr);

    // Shows the popup at pos and waits for the choice.
    Choice choose(const QPoint& globalPos);

    int deletableCount() const { return m_deletable; }
    bool deleteKeyHeld() const { return m_deleteHeld; }

    static const QString& deleteItemText();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    int m_deletable = 0;
    bool m_deleteHeld = false;
    int m_removeIndex = -1;
};
