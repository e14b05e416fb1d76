#include "shell/pages/totals_page.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDate>
#include <QFontMetrics>
#include <QListView>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

#include "views/logic/totals.h"
#include "views/paint_style.h"
#include "views/totals_list.h"

namespace {

// The month labels of the report in the user's locale: "   Mar 02".
std::string localMonthLabel(int year, int month)
{
    return QLocale().toString(QDate(year, month, 1), QStringLiteral("   MMM yy")).toLatin1().toStdString();
}

}  // namespace

TotalsPage::TotalsPage(AppContext& context, QWidget* parent) : Page(context, kIndex, parent)
{
    m_list = addList(ctl::TotalsList);
    // The report's own rows replace the list's plain ones.
    QAbstractItemModel* plain = m_list->model();
    m_model = new TotalsModel(m_list);
    m_list->setModel(m_model);
    delete plain;
    QAbstractItemDelegate* plainRows = m_list->itemDelegate();
    m_list->setItemDelegate(new TotalsRowDelegate(m_list));
    delete plainRows;
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // The report's columns are counted in characters under headings placed
    // in pixels, which assume the list font's cell to be a row high.
    m_list->setFont(ShellFonts::atCellHeight(context.fonts.listFont, kListRowHeight));
    m_period = new QButtonGroup(this);
    m_week = addRadio(m_period, ctl::TotalsWeek, "Week");
    m_month = addRadio(m_period, ctl::TotalsMonth, "Month");
    m_year = addRadio(m_period, ctl::TotalsYear, "Year");
    for (QPushButton* button : {m_week, m_month, m_year})
        button->setFont(context.fonts.tabFont);
    if (QAbstractButton* checked = m_period->button(totalsRadioId(context.settings.totalPeriod)))
        checked->setChecked(true);
    m_listCharWidth = averageCharWidth(m_list->font());
    connect(m_period, &QButtonGroup::idClicked, this, &TotalsPage::choosePeriod);
    finishTabOrder();
    refresh();
}

void TotalsPage::choosePeriod(int id)
{
    const int period = id - totalsRadioId(0);
    if (period == m_context.settings.totalPeriod)
        return;
    m_context.settings.totalPeriod = period;
    refresh();
}

void TotalsPage::refresh()
{
    const LogStore& store = m_context.store;
    const auto period = static_cast<TotalPeriod>(m_context.settings.totalPeriod);
    m_model->setLines(store.entryCount > 0 ? buildTotals(store, period, localMonthLabel) : std::vector<TotalsLine>{});
    scrollToEnd();
}

// The last line in view: the top row is the line count less the rows that
// fit, never below the first line.
void TotalsPage::scrollToEnd()
{
    const int top = std::max(0, m_model->rowCount() - m_totalsRows);
    if (m_model->rowCount() == 0)
        return;
    m_list->scrollTo(m_model->index(top), QAbstractItemView::PositionAtTop);
    m_list->verticalScrollBar()->setValue(top);
}

void TotalsPage::showEvent(QShowEvent* event)
{
    Page::showEvent(event);
    scrollToEnd();
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
    if (m_model)
        scrollToEnd();
}

QColor TotalsPage::background() const
{
    return kViewBackground;
}

void TotalsPage::paintClient(QPainter& painter)
{
    painter.setFont(m_context.fonts.tabFont);
    for (const PaintedText& heading : totalsHeadings(clientRect().width()))
        drawTextAt(painter, heading);
}
