#include "shell/pages/totals_page.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QListView>
#include <QPainter>
#include <QPushButton>

TotalsPage::TotalsPage(AppContext& context, QWidget* parent) : Page(context, kIndex, parent)
{
    m_list = addList(ctl::TotalsList);
    m_period = new QButtonGroup(this);
    m_week = addRadio(m_period, ctl::TotalsWeek, "Week");
    m_month = addRadio(m_period, ctl::TotalsMonth, "Month");
    m_year = addRadio(m_period, ctl::TotalsYear, "Year");
    for (QPushButton* button : {m_week, m_month, m_year})
        button->setFont(context.fonts.tabFont);
    if (QAbstractButton* checked = m_period->button(totalsRadioId(context.settings.totalPeriod)))
        checked->setChecked(true);
    m_listCharWidth = averageCharWidth(context.fonts.listFont);
    finishTabOrder();
}

void TotalsPage::placeControls(QSize client)
{
    const TotalsGeometry g =
        totalsGeometry(pageClientWidth(client.width()), pageClientHeight(index(), client.height()));
    place(m_list, g.list);
    place(m_week, g.week);
    place(m_month, g.month);
    place(m_year, g.year);
    m_totalsRows = g.rows;
}

QColor TotalsPage::background() const
{
    return QColor(192, 255, 255);  // 0xFFFFC0, light cyan
}

void TotalsPage::paintClient(QPainter& painter)
{
    painter.setFont(m_context.fonts.tabFont);
    for (const PaintedText& heading : totalsHeadings(clientRect().width()))
        drawTextAt(painter, heading);
}
