#include "shell/pages/week_page.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDateEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <algorithm>

#include "shell/logic/app_settings.h"
#include "views/logic/week_data.h"
#include "views/week_painter.h"

namespace {

// The four-week grid ends at the week that was shown alone.
constexpr int kGridLead = 3;

}  // namespace

WeekPage::WeekPage(AppContext& context, QWidget* parent) : Page(context, kIndex, parent)
{
    m_back = addPaintedButton(ctl::WeekBack, ButtonIcon::Back, kViewBackground);
    m_forward = addPaintedButton(ctl::WeekForward, ButtonIcon::Forward, kViewBackground);
    m_date = addDatePicker(controlName(ctl::WeekDate), false, false);
    // The calendar of the log: weeks are counted within these years.
    m_date->setDateRange(QDate(1950, 1, 1), QDate(2049, 12, 31));
    m_weeks = new QButtonGroup(this);
    m_oneWeek = addRadio(m_weeks, ctl::OneWeek, "1 Week");
    m_fourWeeks = addRadio(m_weeks, ctl::FourWeeks, "4 Weeks");
    m_oneWeek->setFont(context.fonts.tabFont);
    m_fourWeeks->setFont(context.fonts.tabFont);
    if (QAbstractButton* checked = m_weeks->button(weekRadioId(context.settings.weekViewWeeks)))
        checked->setChecked(true);
    finishTabOrder();
    chooseFirstWeek();

    connect(m_back, &QToolButton::clicked, this, [this] { stepWeeks(-1); });
    connect(m_forward, &QToolButton::clicked, this, [this] { stepWeeks(1); });
    connect(m_date, &QDateEdit::dateChanged, this, &WeekPage::pickDate);
    connect(m_weeks, &QButtonGroup::idClicked, this, &WeekPage::chooseWeekCount);
    setContentPainter([this](QPainter& painter, const QRect& area) { paintView(painter, area); });
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
    showFirstWeek(state.weekFirst);
}

// Weeks before the first of 1950 or after the last of 2049 have no dates in
// the log's calendar (and -1 means "none chosen"): the view stops at both ends.
void WeekPage::showFirstWeek(int week)
{
    const LogStore& store = m_context.store;
    week = std::clamp(week, 0, lastWeekIndex(store.weekOrigin));
    m_context.state.weekFirst = week;
    const CalendarDate first = weekFirstDay(week, store.weekOrigin);
    const QSignalBlocker quiet(m_date);
    m_date->setDisplayFormat(dateDisplayFormat(store));
    m_date->setDate(QDate(first.year, first.month, first.day));
    update();
}

void WeekPage::reloadFromLog()
{
    followDateFormat();
}

void WeekPage::refresh()
{
    chooseFirstWeek();
}

void WeekPage::stepWeeks(int weeks)
{
    showFirstWeek(m_context.state.weekFirst + weeks);
}

void WeekPage::pickDate(const QDate& date)
{
    if (!date.isValid())
        return;
    const CalendarDate picked{date.year(), date.month(), date.day()};
    showFirstWeek(weekIndexOf(picked, m_context.store.weekOrigin));
}

// One week is the binder, anything else the grid; switching keeps the week
// that was in view, as the last of the four or as the one shown alone.
void WeekPage::chooseWeekCount(int id)
{
    AppSettings& settings = m_context.settings;
    const int weeks = id == ctl::OneWeek ? 1 : 4;
    if (weeks == settings.weekViewWeeks)
        return;
    const bool wasGrid = settings.weekViewWeeks != 1;
    settings.weekViewWeeks = weeks;
    int first = m_context.state.weekFirst;
    if (weeks != 1 && !wasGrid)
        first -= kGridLead;
    else if (weeks == 1 && wasGrid)
        first += kGridLead;
    showFirstWeek(first);
}

void WeekPage::paintView(QPainter& painter, const QRect& area)
{
    const AppSettings& settings = m_context.settings;
    WeekRequest request;
    request.firstWeek = m_context.state.weekFirst;
    request.weekViewWeeks = settings.weekViewWeeks;
    request.selectionDisplayMode = settings.selectionDisplayMode;
    request.today = m_context.clock.today();
    paintWeek(painter, area, buildWeekData(m_context.store, request), weekPaintStyle(viewSettingsOf(settings), false));
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

QColor WeekPage::background() const
{
    return kViewBackground;
}
