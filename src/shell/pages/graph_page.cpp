#include "shell/pages/graph_page.h"

#include <QComboBox>
#include <QDateEdit>
#include <QPainter>
#include <QSignalBlocker>
#include <QToolButton>

#include "log/messages.h"
#include "shell/logic/graph_settings.h"
#include "views/graph_painter.h"
#include "views/logic/graph_data.h"
#include "views/logic/graph_navigation.h"

namespace {

template <std::size_t N>
QStringList textsOf(const char* const (&texts)[N])
{
    QStringList list;
    for (const char* text : texts)
        list.append(QString::fromLatin1(text));
    return list;
}

// Sets a combo box's items and choice without its signals, touching nothing
// that is already so (the graph draws often).
void showItems(QComboBox* combo, const QStringList& items, int current)
{
    const QSignalBlocker quiet(combo);
    QStringList now;
    for (int i = 0; i < combo->count(); ++i)
        now.append(combo->itemText(i));
    if (now != items) {
        combo->clear();
        combo->addItems(items);
    }
    if (combo->currentIndex() != current)
        combo->setCurrentIndex(current < combo->count() ? current : -1);
}

}  // namespace

GraphPage::GraphPage(AppContext& context, QWidget* parent) : Page(context, kIndex, parent)
{
    AppSettings& settings = context.settings;
    m_date = addDatePicker(controlName(ctl::GraphDate), false, false);
    // The log's calendar: periods are counted within these years.
    m_date->setDateRange(QDate(1950, 1, 1), QDate(2049, 12, 31));
    const CalendarDate today = context.clock.today();
    m_date->setDate(QDate(today.year, today.month, today.day));
    m_date->setDisplayFormat(dateDisplayFormat(context.store));
    m_back = addPaintedButton(ctl::GraphBack, ButtonIcon::Back, kViewBackground);
    m_forward = addPaintedButton(ctl::GraphForward, ButtonIcon::Forward, kViewBackground);
    m_period = addCombo(controlName(ctl::GraphPeriod), textsOf(kGraphPeriodTexts));
    m_period->setCurrentIndex(settings.graphPeriod);
    m_quantity = addCombo(controlName(ctl::GraphType), quantityItems());
    settings.graphType = correctedGraphType(settings.graphType, context.store.keywordCount);
    m_quantity->setCurrentIndex(settings.graphType);
    m_sport = addCombo(controlName(ctl::GraphSport), {});
    finishTabOrder();

    connect(m_back, &QToolButton::clicked, this, [this] { step(-1); });
    connect(m_forward, &QToolButton::clicked, this, [this] { step(1); });
    connect(m_date, &QDateEdit::dateChanged, this, &GraphPage::pickDate);
    connect(m_period, &QComboBox::activated, this, &GraphPage::choosePeriod);
    connect(m_quantity, &QComboBox::activated, this, &GraphPage::chooseType);
    connect(m_sport, &QComboBox::activated, this, &GraphPage::chooseSport);
    setContentPainter([this](QPainter& painter, const QRect& area) { paintView(painter, area); });
}

QStringList GraphPage::quantityItems() const
{
    QStringList items = textsOf(kGraphTypeTexts);
    const LogStore& store = m_context.store;
    for (int i = 0; i < store.keywordCount; ++i)
        items.append(fromLogText(keywordLabel(store.keywords[i].text.view())));
    return items;
}

void GraphPage::reloadFromLog()
{
    followDateFormat();
    refill(m_quantity, quantityItems());
    AppSettings& settings = m_context.settings;
    settings.graphType = correctedGraphType(m_quantity->currentIndex(), m_context.store.keywordCount);
    m_quantity->setCurrentIndex(settings.graphType);
    update();
}

void GraphPage::refresh()
{
    update();
}

GraphFirsts GraphPage::firsts() const
{
    GraphFirsts f;
    f.week = m_context.state.graphFirstWeek;
    f.month = m_context.state.graphFirstMonth;
    return f;
}

void GraphPage::keepFirsts(const GraphFirsts& firsts)
{
    m_context.state.graphFirstWeek = firsts.week;
    m_context.state.graphFirstMonth = firsts.month;
}

void GraphPage::step(int periods)
{
    GraphFirsts f = firsts();
    stepGraph(f, m_context.settings.graphPeriod, periods, m_context.store.weekOrigin);
    keepFirsts(f);
    update();
}

void GraphPage::pickDate(const QDate& date)
{
    if (!date.isValid())
        return;
    GraphFirsts f = firsts();
    pickGraphDate(f, CalendarDate{date.year(), date.month(), date.day()}, m_context.store.weekOrigin);
    keepFirsts(f);
    update();
}

void GraphPage::choosePeriod(int index)
{
    AppSettings& settings = m_context.settings;
    if (index < 0 || index == settings.graphPeriod)
        return;
    GraphFirsts f = firsts();
    const QDate shown = m_date->date();
    changeGraphPeriod(f, m_context.store, settings.graphPeriod, index,
                      CalendarDate{shown.year(), shown.month(), shown.day()});
    keepFirsts(f);
    settings.graphPeriod = index;
    update();
}

void GraphPage::refuseAllSports()
{
    m_context.prompt.message(msg::kCaption, kGraphNeedsOneSport, UserPrompt::Icon::None, UserPrompt::Buttons::Ok,
                             UserPrompt::Answer::Ok);
}

void GraphPage::chooseType(int index)
{
    AppSettings& settings = m_context.settings;
    if (index < 0)
        return;
    if (graphNeedsOneSport(index) && settings.graphSport == 0) {
        refuseAllSports();
        const QSignalBlocker quiet(m_quantity);
        m_quantity->setCurrentIndex(settings.graphType);
        return;
    }
    settings.graphType = index;
    update();
}

// All sports with distance or pace: the sport is taken and the type becomes
// time, which all sports can show.
void GraphPage::chooseSport(int index)
{
    AppSettings& settings = m_context.settings;
    if (index < 0)
        return;
    settings.graphSport = index;
    if (index == 0 && graphNeedsOneSport(settings.graphType)) {
        refuseAllSports();
        settings.graphType = kGraphTime;
        const QSignalBlocker quiet(m_quantity);
        m_quantity->setCurrentIndex(kGraphTime);
    }
    update();
}

GraphRequest GraphPage::prepareDrawing()
{
    const LogStore& store = m_context.store;
    AppSettings& settings = m_context.settings;
    settings.graphType = correctedGraphType(settings.graphType, store.keywordCount);

    QStringList sports{QString::fromLatin1(kAllSportsText)};
    for (int s = 1; s <= store.sportCount; ++s)
        sports.append(fromLogText(store.sports[s].name.view()));
    showItems(m_sport, sports, settings.graphSport);

    GraphFirsts f = firsts();
    GraphRequest request;
    request.graphPeriod = settings.graphPeriod;
    request.type = settings.graphType;
    request.sport = settings.graphSport;
    request.firstPeriod =
        graphFirstPeriod(f, store, m_context.state.dayEntry, settings.graphPeriod, m_context.clock.today());
    request.calories = calorieSettingsOf(settings);
    keepFirsts(f);

    const GraphSpan span = graphSpan(settings.graphPeriod);
    const CalendarDate first = periodFirstDay(request.firstPeriod, span.months, store.weekOrigin);
    const QDate shown(first.year, first.month, first.day);
    if (m_date->date() != shown || m_date->displayFormat() != dateDisplayFormat(store)) {
        const QSignalBlocker quiet(m_date);
        m_date->setDisplayFormat(dateDisplayFormat(store));
        m_date->setDate(shown);
    }
    return request;
}

void GraphPage::paintView(QPainter& painter, const QRect& area)
{
    const GraphRequest request = prepareDrawing();
    paintGraph(painter, area, buildGraphData(m_context.store, request), graphPaintStyle(viewSettingsOf(m_context.settings), false));
}

void GraphPage::placeControls(QSize client)
{
    const GraphGeometry g = graphGeometry(client.width(), client.height());
    place(m_date, g.date);
    place(m_back, g.back);
    place(m_forward, g.forward);
    place(m_period, g.period);
    place(m_quantity, g.quantity);
    place(m_sport, g.sport);
}

QColor GraphPage::background() const
{
    return kViewBackground;
}
