#include "shell/pages/log_page.h"

#include <QListView>
#include <QPainter>

LogPage::LogPage(AppContext& context, QWidget* parent) : Page(context, kIndex, parent)
{
    m_list = addList(ctl::LogList);
    m_listCharWidth = averageCharWidth(context.fonts.listFont);
    finishTabOrder();
}

void LogPage::placeControls(QSize client)
{
    const LogGeometry g = logGeometry(pageClientWidth(client.width()), pageClientHeight(index(), client.height()));
    place(m_list, g.list);
    m_listWidth = g.listWidth;
    m_logRows = g.rows;
}

QColor LogPage::background() const
{
    return QColor(192, 255, 255);  // 0xFFFFC0, light cyan
}

void LogPage::paintClient(QPainter& painter)
{
    painter.setFont(m_context.fonts.tabFont);
    for (const PaintedText& heading : logHeadings(clientRect().width()))
        drawTextAt(painter, heading);
}
