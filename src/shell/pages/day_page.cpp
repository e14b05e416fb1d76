#include "shell/pages/day_page.h"

#include <QPushButton>
#include <QToolButton>

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
    refresh();
}

void DayPage::refresh()
{
    const bool entryShown = m_context.state.dayEntry >= 0;
    setButtonPicture(m_forward, ButtonIcon::Forward, entryShown);
    setButtonPicture(m_back, ButtonIcon::Back, entryShown);
    update();
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
