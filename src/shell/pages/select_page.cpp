#include "shell/pages/select_page.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include "shell/form_writing.h"
#include "shell/select_controller.h"

namespace {

template <std::size_t N>
QStringList texts(const std::array<const char*, N>& items)
{
    QStringList list;
    for (const char* item : items)
        list.append(QString::fromLatin1(item));
    return list;
}

// The criteria typed as text; Enter in any of them selects.
constexpr int kCriteriaTexts[] = {ctl::DistanceValue, ctl::DistanceUpper, ctl::TimeValue, ctl::TimeUpper,
                                  ctl::PaceValue,     ctl::PaceUpper,     ctl::RouteText, ctl::CommentText};
constexpr int kSelectingButtons[] = {ctl::Select, ctl::SelectMore, ctl::SelectFewer, ctl::SelectAll,
                                     ctl::SelectReverse};
constexpr int kNarrowingButtons[] = {ctl::SelectMore, ctl::SelectFewer, ctl::SelectAll, ctl::SelectReverse};

}  // namespace

SelectPage::SelectPage(AppContext& context, QWidget* parent) : Page(context, kIndex, parent)
{
    createButtons();
    createCriteria();
    for (const int id :
         {ctl::SelectMore, ctl::SelectFewer, ctl::SelectAll, ctl::SelectReverse, ctl::DistanceTest, ctl::DistanceValue,
          ctl::DistanceUpper, ctl::TimeUpper, ctl::PaceTest, ctl::PaceValue, ctl::PaceUpper})
        control(id)->hide();
    finishTabOrder();
    setDatesFromLog();
    // The row notes follow these lists.
    for (const int id : {ctl::SelectSport, ctl::DistanceTest, ctl::TimeTest, ctl::PaceTest})
        connect(combo(id), &QComboBox::currentIndexChanged, this, qOverload<>(&QWidget::update));
    connectCommands();
    m_controller = new SelectController(*this, m_context);
}

void SelectPage::connectCommands()
{
    for (const int id : kSelectingButtons)
        connect(button(id), &QPushButton::clicked, this, [this, id] { emit selectionRequested(id); });
    for (const int id : kCriteriaTexts)
        edit(id)->installEventFilter(this);
    connect(m_displayMode, &QButtonGroup::idClicked, this,
            [this](int id) { emit displayModeChosen(id == ctl::ShowSelectedOnly ? 1 : 0); });
}

bool SelectPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return Page::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && plain) {
        emit selectionRequested(ctl::Select);
        return true;
    }
    return Page::eventFilter(watched, event);
}

void SelectPage::showNarrowingButtons(bool shown)
{
    for (const int id : kNarrowingButtons)
        button(id)->setVisible(shown);
}

void SelectPage::showDisplayMode(int mode)
{
    button(mode != 0 ? ctl::ShowSelectedOnly : ctl::ShowAllHighlight)->setChecked(true);
}

void SelectPage::createButtons()
{
    m_displayMode = new QButtonGroup(this);
    m_byId[ctl::ShowSelectedOnly] = addRadio(m_displayMode, ctl::ShowSelectedOnly, "Show Selected Only");
    m_byId[ctl::ShowAllHighlight] = addRadio(m_displayMode, ctl::ShowAllHighlight, "Show All, Highlight Selected");
    showDisplayMode(m_context.settings.selectionDisplayMode);
    const std::pair<int, const char*> buttons[] = {
        {ctl::SelectClear, "Clear"}, {ctl::SelectMore, "Select More"}, {ctl::SelectFewer, "Select Fewer"},
        {ctl::Select, "Select"},     {ctl::SelectAll, "Select All"},   {ctl::SelectReverse, "Select Reverse"}};
    for (const auto& [id, text] : buttons)
        m_byId[id] = addButton(controlName(id), text);
    button(ctl::Select)->setDefault(true);
}

void SelectPage::createCriteria()
{
    for (const int id : {ctl::FromDate, ctl::ToDate}) {
        QDateEdit* picker = addDatePicker(controlName(id), true, true);
        picker->setFont(m_context.fonts.pageFont);
        picker->setDate(toQDate(m_context.clock.today()));
        m_byId[id] = picker;
    }
    auto addChoice = [this](int id, const QStringList& items) { m_byId[id] = addCombo(controlName(id), items); };
    auto addEdit = [this](int id) { m_byId[id] = addLineEdit(controlName(id)); };
    addChoice(ctl::SelectSport, sportItems());
    addChoice(ctl::SelectKeyword, keywordItems());
    addChoice(ctl::SelectRoute, routeItems());
    addChoice(ctl::SelectCategory, texts(kCategoryItems));
    addChoice(ctl::DistanceTest, texts(kNumberTestItems));
    addEdit(ctl::DistanceValue);
    addEdit(ctl::DistanceUpper);
    addChoice(ctl::TimeTest, texts(kNumberTestItems));
    addEdit(ctl::TimeValue);
    addEdit(ctl::TimeUpper);
    addChoice(ctl::PaceTest, texts(kPaceTestItems));
    addEdit(ctl::PaceValue);
    addEdit(ctl::PaceUpper);
    addChoice(ctl::RouteTest, texts(kRouteTestItems));
    addEdit(ctl::RouteText);
    addChoice(ctl::CommentTest, texts(kCommentTestItems));
    addEdit(ctl::CommentText);
}

// The pickers span the log, first entry to last; an empty log leaves them at today.
void SelectPage::setDatesFromLog()
{
    const LogStore& store = m_context.store;
    if (store.entryCount == 0)
        return;
    const DateFormat format = store.preferences.dateFormat();
    fromDate()->setDate(toQDate(parseDate(store.entry(0).dateText.view(), format)));
    toDate()->setDate(toQDate(parseDate(store.entry(store.entryCount - 1u).dateText.view(), format)));
}

void SelectPage::reloadFromLog()
{
    followDateFormat();
    refill(combo(ctl::SelectSport), sportItems());
    refill(combo(ctl::SelectKeyword), keywordItems());
    refill(combo(ctl::SelectRoute), routeItems());
    const QDate today = toQDate(m_context.clock.today());
    fromDate()->setDate(today);
    toDate()->setDate(today);
    setDatesFromLog();
    // The sport chosen may be gone with its list: the fields follow.
    m_controller->updateVisibility();
    update();
}

QStringList SelectPage::sportItems() const
{
    const LogStore& store = m_context.store;
    QStringList items{QString()};
    for (int i = 0; i <= store.sportCount; ++i)
        items.append(fromLogText(store.sports[i].name.view()));
    return items;
}

QStringList SelectPage::keywordItems() const
{
    const LogStore& store = m_context.store;
    QStringList items{QString()};
    for (int i = 0; i < store.keywordCount; ++i)
        items.append(fromLogText(keywordLabel(store.keywords[i].text.view())));
    return items;
}

QStringList SelectPage::routeItems() const
{
    const LogStore& store = m_context.store;
    QStringList items{QString()};
    for (int i = 0; i < store.routeCount; ++i)
        items.append(fromLogText(routeName(store.routes[i].text.view())));
    return items;
}

QWidget* SelectPage::control(int id) const
{
    const auto it = m_byId.find(id);
    return it == m_byId.end() ? nullptr : it->second;
}

QPushButton* SelectPage::button(int id) const
{
    return qobject_cast<QPushButton*>(control(id));
}
QComboBox* SelectPage::combo(int id) const
{
    return qobject_cast<QComboBox*>(control(id));
}
QLineEdit* SelectPage::edit(int id) const
{
    return qobject_cast<QLineEdit*>(control(id));
}
QDateEdit* SelectPage::fromDate() const
{
    return qobject_cast<QDateEdit*>(control(ctl::FromDate));
}
QDateEdit* SelectPage::toDate() const
{
    return qobject_cast<QDateEdit*>(control(ctl::ToDate));
}

void SelectPage::placeControls(QSize client)
{
    for (const ControlPlace& at : selectPlaces(client.width()))
        place(control(at.id), at.rect);
}

void SelectPage::paintClient(QPainter& painter)
{
    painter.setFont(m_context.fonts.smallFont);
    for (int row = 0; row < static_cast<int>(kSelectRowLabels.size()); ++row) {
        const PixelRect box = selectLabelBox(row);
        painter.drawText(QRect(box.x, box.y, box.width, box.height), Qt::AlignRight | Qt::AlignTop,
                         QString::fromLatin1(kSelectRowLabels[static_cast<std::size_t>(row)]));
    }
    paintRowNotes(painter);
}

// "to" between the bounds, and the units of the chosen sport after the values.
void SelectPage::paintRowNotes(QPainter& painter)
{
    const SelectCriteria criteria = m_controller->readCriteria();
    const SelectUnitTexts units = selectUnitTexts(criteria, m_context.store);
    const QString to = QStringLiteral("to");
    drawTextAt(painter, 240, selectLabelBox(0).y, to);

    const int distanceY = selectLabelBox(3).y;
    const bool distanceFrom = criteria.distanceTest == NumberTest::From;
    if (distanceFrom)
        drawTextAt(painter, 380, distanceY, to);
    drawTextAt(painter, distanceFrom ? 490 : 380, distanceY, fromLogText(units.distance));

    if (criteria.timeTest == NumberTest::From)
        drawTextAt(painter, 380, selectLabelBox(4).y + 1, to);

    const int paceY = selectLabelBox(5).y;
    const bool paceFrom = criteria.paceTest == PaceTest::From;
    if (paceFrom)
        drawTextAt(painter, 380, paceY, to);
    drawTextAt(painter, paceFrom ? 490 : 380, paceY, fromLogText(units.pace));
}
