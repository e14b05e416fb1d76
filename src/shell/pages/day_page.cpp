#include "shell/pages/day_page.h"

#include <QPainter>
#include <QPushButton>
#include <QToolButton>

#include "shell/logic/app_settings.h"
#include "views/day_painter.h"
#include "views/logic/day_data.h"

namespace {

const QColor kLightYellow(255, 255, 127);  // 0x7FFFFF

}  // namespace

DayPage::DayPage(AppContext& context, QWidget* parent) : Page(context, kIndex, parent)
{
    m_forward = addPaintedButton(ctl::DayForward, ButtonIcon::Forward, kLightYellow);
    m_back = addPaintedButton(ctl::DayBack, ButtonIcon::Back, kLightYellow);
    m_delete = addButton(controlName(ctl::Delete), "Delete");
    m_modify = addButton(controlName(ctl::Modify), "Modify");
    m_duplicate = addButton(controlName(ctl::Duplicate), "Duplicate");
    finishTabOrder();
    // Delete, Modify and Duplicate belong to the entry code, which connects
    // to them through the getters; the arrows are the view's own.
    connect(m_forward, &QToolButton::clicked, this, [this] { step(1); });
    connect(m_back, &QToolButton::clicked, this, [this] { step(-1); });
    setContentPainter([this](QPainter& painter, const QRect& area) { paintView(painter, area); });
    refresh();
}

int DayPage::shownEntry() const
{
    const int entry = m_context.state.dayEntry;
    return entry >= 0 && entry < m_context.store.entryCount ? entry : -1;
}

void DayPage::refresh()
{
    const bool entryShown = shownEntry() >= 0;
    setButtonPicture(m_forward, ButtonIcon::Forward, entryShown);
    setButtonPicture(m_back, ButtonIcon::Back, entryShown);
    for (QPushButton* button : {m_delete, m_modify, m_duplicate})
        button->setVisible(entryShown);
    update();
}

// The arrows go to the next or previous selected entry, and stay where
// they are at either end.
void DayPage::step(int direction)
{
    const int from = shownEntry();
    if (from < 0)
        return;
    m_context.state.dayEntry = stepSelectedEntry(m_context.store, from, direction);
    refresh();
}

void DayPage::paintView(QPainter& painter, const QRect& area)
{
    const int entry = shownEntry();
    // The week view opens at the week of the entry seen here.
    if (entry >= 0)
        m_context.state.weekFirst = m_context.store.entry(static_cast<std::size_t>(entry)).weekIndex;
    paintDay(painter, area, buildDayCard(m_context.store, entry), dayPaintStyle(viewSettingsOf(m_context.settings), false));
}

void DayPage::placeControls(QSize client)
{
    const DayGeometry g = dayGeometry(client.width(), client.height());
    place(m_forward, g.forward);
    place(m_back, g.back);
    place(m_delete, g.remove);
    place(m_modify, g.modify);
    place(m_duplicate, g.duplicate);
}

QColor DayPage::background() const
{
    return kViewBackground;
}
