#include "shell/select_controller.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "shell/pages/select_page.h"
#include "shell/qt_user_prompt.h"

namespace {

QDate toQDate(const CalendarDate& date)
{
    return QDate(date.year, date.month, date.day);
}

CalendarDate fromQDate(const QDate& date)
{
    return CalendarDate{date.year(), date.month(), date.day()};
}

int positionOf(const QComboBox* combo)
{
    return std::max(0, combo->currentIndex());
}

void setPosition(QComboBox* combo, int position)
{
    if (position >= 0 && position < combo->count() && combo->currentIndex() != position)
        combo->setCurrentIndex(position);
}

// The criteria texts are read as the program always read them: at most 63 characters.
std::string criteriaText(const QLineEdit* edit)
{
    return toLatin1(edit->text().left(static_cast<qsizetype>(kCriteriaTextLength)));
}

void setText(QLineEdit* edit, const std::string& text)
{
    const QString shown = fromLatin1(text);
    if (edit->text() != shown)
        edit->setText(shown);
}

// While alive, what the program does to the controls is not the user's doing.
class WritingScope {
public:
    explicit WritingScope(bool& flag) : m_flag(flag), m_was(flag) { m_flag = true; }
    ~WritingScope() { m_flag = m_was; }
    WritingScope(const WritingScope&) = delete;
    WritingScope& operator=(const WritingScope&) = delete;

private:
    bool& m_flag;
    bool m_was;
};

}  // namespace

SelectController::SelectController(SelectPage& page, AppContext& context)
    : QObject(&page), m_page(page), m_context(context)
{
    connect(page.button(ctl::SelectClear), &QPushButton::clicked, this, &SelectController::clear);
    for (const int id : {ctl::SelectSport, ctl::DistanceTest, ctl::TimeTest, ctl::PaceTest})
        connect(page.combo(id), &QComboBox::currentIndexChanged, this, [this] {
            if (!m_writing)
                updateVisibility();
        });
    connect(page.combo(ctl::SelectKeyword), &QComboBox::activated, this, &SelectController::keywordChosen);
    connect(page.combo(ctl::SelectRoute), &QComboBox::activated, this, &SelectController::routeChosen);
}

SelectCriteria SelectController::readCriteria() const
{
    SelectCriteria c;
    c.fromDate = fromQDate(m_page.fromDate()->date());
    c.toDate = fromQDate(m_page.toDate()->date());
    c.sport = positionOf(m_page.combo(ctl::SelectSport));
    c.category = positionOf(m_page.combo(ctl::SelectCategory));
    c.distanceTest = static_cast<NumberTest>(positionOf(m_page.combo(ctl::DistanceTest)));
    c.distanceText = criteriaText(m_page.edit(ctl::DistanceValue));
    c.distanceTo = criteriaText(m_page.edit(ctl::DistanceUpper));
    c.timeTest = static_cast<NumberTest>(positionOf(m_page.combo(ctl::TimeTest)));
    c.timeText = criteriaText(m_page.edit(ctl::TimeValue));
    c.timeTo = criteriaText(m_page.edit(ctl::TimeUpper));
    c.paceTest = static_cast<PaceTest>(positionOf(m_page.combo(ctl::PaceTest)));
    c.paceText = criteriaText(m_page.edit(ctl::PaceValue));
    c.paceTo = criteriaText(m_page.edit(ctl::PaceUpper));
    c.routeTest = static_cast<TextTest>(positionOf(m_page.combo(ctl::RouteTest)));
    c.routeText = criteriaText(m_page.edit(ctl::RouteText));
    c.commentTest = static_cast<TextTest>(positionOf(m_page.combo(ctl::CommentTest)));
    c.commentText = criteriaText(m_page.edit(ctl::CommentText));
    c.keyword = positionOf(m_page.combo(ctl::SelectKeyword));
    c.route = positionOf(m_page.combo(ctl::SelectRoute));
    return c;
}

void SelectController::writeCriteria(const SelectCriteria& c)
{
    {
        const WritingScope writing(m_writing);
        const QDate from = toQDate(c.fromDate);
        const QDate to = toQDate(c.toDate);
        if (from.isValid())
            m_page.fromDate()->setDate(from);
        if (to.isValid())
            m_page.toDate()->setDate(to);
        setPosition(m_page.combo(ctl::SelectSport), c.sport);
        setPosition(m_page.combo(ctl::SelectCategory), c.category);
        setPosition(m_page.combo(ctl::DistanceTest), static_cast<int>(c.distanceTest));
        setText(m_page.edit(ctl::DistanceValue), c.distanceText);
        setText(m_page.edit(ctl::DistanceUpper), c.distanceTo);
        setPosition(m_page.combo(ctl::TimeTest), static_cast<int>(c.timeTest));
        setText(m_page.edit(ctl::TimeValue), c.timeText);
        setText(m_page.edit(ctl::TimeUpper), c.timeTo);
        setPosition(m_page.combo(ctl::PaceTest), static_cast<int>(c.paceTest));
        setText(m_page.edit(ctl::PaceValue), c.paceText);
        setText(m_page.edit(ctl::PaceUpper), c.paceTo);
        setPosition(m_page.combo(ctl::RouteTest), static_cast<int>(c.routeTest));
        setText(m_page.edit(ctl::RouteText), c.routeText);
        setPosition(m_page.combo(ctl::CommentTest), static_cast<int>(c.commentTest));
        setText(m_page.edit(ctl::CommentText), c.commentText);
        setPosition(m_page.combo(ctl::SelectKeyword), c.keyword);
        setPosition(m_page.combo(ctl::SelectRoute), c.route);
    }
    updateVisibility();
}

void SelectController::clear()
{
    writeCriteria(clearedCriteria(m_context.store, readCriteria()));
}

void SelectController::updateVisibility()
{
    const SelectVisibility shown = selectVisibility(readCriteria(), m_context.store);
    m_page.control(ctl::DistanceTest)->setVisible(shown.distanceTest);
    m_page.control(ctl::DistanceValue)->setVisible(shown.distanceTest);
    m_page.control(ctl::DistanceUpper)->setVisible(shown.distanceTo);
    m_page.control(ctl::TimeUpper)->setVisible(shown.timeTo);
    m_page.control(ctl::PaceTest)->setVisible(shown.paceTest);
    m_page.control(ctl::PaceValue)->setVisible(shown.paceTest);
    m_page.control(ctl::PaceUpper)->setVisible(shown.paceTo);
    m_page.update();
}

void SelectController::keywordChosen(int position)
{
    writeCriteria(fillFromKeyword(readCriteria(), m_context.store, position));
}

void SelectController::routeChosen(int position)
{
    writeCriteria(fillFromMemorizedRoute(readCriteria(), m_context.store, position));
}
