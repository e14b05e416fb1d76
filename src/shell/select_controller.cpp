#include "shell/select_controller.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "shell/form_writing.h"
#include "shell/pages/select_page.h"
#include "shell/qt_user_prompt.h"

namespace {

int positionOf(const QComboBox* combo)
{
    return std::max(0, combo->currentIndex());
}

// The criteria texts are read as the program always read them: at most 63 characters.
std::string criteriaText(const QLineEdit* edit)
{
    return toLatin1(edit->text().left(static_cast<qsizetype>(kCriteriaTextLength)));
}

// The distance, time and pace criteria: a test with a value and an upper value.
struct RangeControls {
    int test;
    int value;
    int upper;
};
constexpr RangeControls kDistanceRange = {ctl::DistanceTest, ctl::DistanceValue, ctl::DistanceUpper};
constexpr RangeControls kTimeRange = {ctl::TimeTest, ctl::TimeValue, ctl::TimeUpper};
constexpr RangeControls kPaceRange = {ctl::PaceTest, ctl::PaceValue, ctl::PaceUpper};

template <class Test>
void readRange(const SelectPage& page, const RangeControls& controls, Test& test, std::string& text, std::string& to)
{
    test = static_cast<Test>(positionOf(page.combo(controls.test)));
    text = criteriaText(page.edit(controls.value));
    to = criteriaText(page.edit(controls.upper));
}

template <class Test>
void writeRange(const SelectPage& page, const RangeControls& controls, Test test, const std::string& text,
                const std::string& to)
{
    setComboIndex(page.combo(controls.test), static_cast<int>(test));
    setLineText(page.edit(controls.value), text);
    setLineText(page.edit(controls.upper), to);
}

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
    readRange(m_page, kDistanceRange, c.distanceTest, c.distanceText, c.distanceTo);
    readRange(m_page, kTimeRange, c.timeTest, c.timeText, c.timeTo);
    readRange(m_page, kPaceRange, c.paceTest, c.paceText, c.paceTo);
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
        const QScopedValueRollback writing(m_writing, true);
        const QDate from = toQDate(c.fromDate);
        const QDate to = toQDate(c.toDate);
        if (from.isValid())
            m_page.fromDate()->setDate(from);
        if (to.isValid())
            m_page.toDate()->setDate(to);
        setComboIndex(m_page.combo(ctl::SelectSport), c.sport);
        setComboIndex(m_page.combo(ctl::SelectCategory), c.category);
        writeRange(m_page, kDistanceRange, c.distanceTest, c.distanceText, c.distanceTo);
        writeRange(m_page, kTimeRange, c.timeTest, c.timeText, c.timeTo);
        writeRange(m_page, kPaceRange, c.paceTest, c.paceText, c.paceTo);
        setComboIndex(m_page.combo(ctl::RouteTest), static_cast<int>(c.routeTest));
        setLineText(m_page.edit(ctl::RouteText), c.routeText);
        setComboIndex(m_page.combo(ctl::CommentTest), static_cast<int>(c.commentTest));
        setLineText(m_page.edit(ctl::CommentText), c.commentText);
        setComboIndex(m_page.combo(ctl::SelectKeyword), c.keyword);
        setComboIndex(m_page.combo(ctl::SelectRoute), c.route);
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
