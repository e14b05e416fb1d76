#include "shell/pages/graph_page.h"

#include <QComboBox>
#include <QDateEdit>
#include <QToolButton>

namespace {

const QColor kLightCyan(192, 255, 255);  // 0xFFFFC0

const char* const kPeriods[] = {"13 Weeks",  "27 Weeks",  "55 Weeks",  "111 Weeks",
                                "12 Months", "25 Months", "38 Months", "51 Months"};
const char* const kQuantities[] = {"Time", "Distance", "Pace", "# Workouts", "Calories Burned"};

QStringList textsOf(const auto& texts)
{
    QStringList list;
    for (const char* text : texts)
        list.append(QString::fromLatin1(text));
    return list;
}

}  // namespace

GraphPage::GraphPage(AppContext& context, QWidget* parent) : Page(context, kIndex, parent)
{
    AppSettings& settings = context.settings;
    m_date = addDatePicker(controlName(ctl::GraphDate), false, false);
    const CalendarDate today = context.clock.today();
    m_date->setDate(QDate(today.year, today.month, today.day));
    m_back = addPaintedButton(ctl::GraphBack, ButtonIcon::Back, kLightCyan);
    m_forward = addPaintedButton(ctl::GraphForward, ButtonIcon::Forward, kLightCyan);
    m_period = addCombo(controlName(ctl::GraphPeriod), textsOf(kPeriods));
    m_period->setCurrentIndex(settings.graphPeriod);
    m_quantity = addCombo(controlName(ctl::GraphType), quantityItems());
    settings.graphType = correctedGraphType(settings.graphType, context.store.keywordCount);
    m_quantity->setCurrentIndex(settings.graphType);
    m_sport = addCombo(controlName(ctl::GraphSport), {});
    finishTabOrder();
}

QStringList GraphPage::quantityItems() const
{
    QStringList items = textsOf(kQuantities);
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
