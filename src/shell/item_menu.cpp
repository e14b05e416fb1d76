#include "shell/item_menu.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>

ItemMenu::ItemMenu(const QStringList& items, const QString& lastItem, QWidget* parent)
    : QMenu(parent), m_deletable(static_cast<int>(items.size()))
{
    int index = 0;
    // A label or a route name is shown as it is: an "&" in it is a
    // character, not the mark of a shortcut letter.
    for (QString text : items)
        addAction(text.replace(QLatin1Char('&'), QStringLiteral("&&")))->setData(index++);
    addAction(lastItem)->setData(index);
}

const QString& ItemMenu::deleteItemText()
{
    static const QString text = QStringLiteral("Delete\u2026");
    return text;
}

ItemMenu::Choice ItemMenu::choose(const QPoint& globalPos)
{
    m_deleteHeld = false;
    m_removeIndex = -1;
    QAction* chosen = exec(globalPos);
    if (m_removeIndex >= 0)
        return {m_removeIndex, true};
    if (!chosen)
        return {};
    const int index = chosen->data().toInt();
    // Only the items of the list can be deleted, not the one that adds.
    return {index, m_deleteHeld && index < m_deletable};
}

void ItemMenu::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete) {
        m_deleteHeld = true;
        event->accept();
        return;
    }
    QMenu::keyPressEvent(event);
}

void ItemMenu::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete && !event->isAutoRepeat()) {
        m_deleteHeld = false;
        event->accept();
        return;
    }
    QMenu::keyReleaseEvent(event);
}

void ItemMenu::mouseReleaseEvent(QMouseEvent* event)
{
    // The right button opens an item's own menu; it never chooses the item.
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QMenu::mouseReleaseEvent(event);
}

void ItemMenu::contextMenuEvent(QContextMenuEvent* event)
{
    QAction* item = actionAt(event->pos());
    if (!item || item->data().toInt() >= m_deletable) {
        event->accept();
        return;
    }
    QMenu itemMenu(this);
    itemMenu.setObjectName(QStringLiteral("itemDeleteMenu"));
    QAction* remove = itemMenu.addAction(deleteItemText());
    if (itemMenu.exec(event->globalPos()) == remove) {
        m_removeIndex = item->data().toInt();
        close();
    }
    event->accept();
}
