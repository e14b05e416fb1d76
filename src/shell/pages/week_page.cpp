#include "shell/pages/week_page.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDateEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

const QColor kLightCyan(192, 255, 255);  // 0xFFFFC0

}  // namespace

WeekPage::WeekPage(AppContext& context, QWidget* parent) : Page(context, kIndex, parent)
{
    m_back = addPaintedButton(ctl::WeekBack, ButtonIcon::Back, kLightCyan);
    m_forward = addPaintedButton(ctl::WeekForward, ButtonIcon::Forward, kLightCyan);
    m_date = addDatePicker(controlName(ctl::WeekDate), false, false);
    m_weeks = new QButtonGroup(this);
    m_oneWeek = addRadio(m_weeks, ctl::OneWeek, "1 Week");
    m_fourWeeks = addRadio(m_weeks, ctl::FourWeeks, "4 Weeks");
    m_oneWeek->setFont(context.fonts.tabFont);
    m_fourWeeks->setFont(context.fonts.tabFont);
    if (QAbstractButton* checked = m_weeks->button(weekRadioId(context.settings.weekViewWeeks)))
        checked->setChecked(true);
    finishTabOrder();
    chooseFirstWeek();
}

// The view starts where the user last looked; the first time, at the week
// of the entry in view (see initialWeekFirst).
void WeekPage::chooseFirstWeek()
{
    ShellState& state = m_context.state;
    const LogStore& store = m_context.store;
    if (state.weekFirst == -1)
        state.weekFirst =
            initialWeekFirst(store, state.dayEntry, m_context.settings.weekViewWeeks, m_context.clock.today());
    const CalendarDate first = weekFirstDay(state.weekFirst, store.weekOrigin);
    m_date->setDate(QDate(first.year, first.month, first.day));
}

void WeekPage::placeControls(QSize client)
{
    const WeekGeometry g = weekGeometry(client.width(), client.height());
    place(m_back, g.back);
    place(m_forward, g.forward);
    place(m_date, g.date);
    place(m_oneWeek, g.oneWeek);
    place(m_fourWeeks, g.fourWeeks);
}
