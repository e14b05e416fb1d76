// The Select page: every criteria control, its lists, the hidden ones, the
// date pickers and the display-mode buttons.
#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>

#include "page_test_support.h"
#include "shell/pages/select_page.h"

namespace {

using namespace pagetest;

using SelectPageTest = PageTest;

TEST_F(SelectPageTest, everyControlInCreationOrder)
{
    auto page = make<SelectPage>();
    const char* const button = "QPushButton";
    const char* const combo = "QComboBox";
    const char* const edit = "QLineEdit";
    const std::vector<std::pair<QString, QString>> expected = {
        {"ctl3041", button},      {"ctl3042", button},      {"ctl3005", button}, {"ctl3007", button},
        {"ctl3008", button},      {"ctl3006", button},      {"ctl3009", button}, {"ctl3010", button},
        {"ctl3024", "QDateEdit"}, {"ctl3025", "QDateEdit"}, {"ctl3027", combo},  {"ctl3043", combo},
        {"ctl3040", combo},       {"ctl3026", combo},       {"ctl3032", combo},  {"ctl3034", edit},
        {"ctl3035", edit},        {"ctl3028", combo},       {"ctl3030", edit},   {"ctl3031", edit},
        {"ctl3036", combo},       {"ctl3038", edit},        {"ctl3039", edit},   {"ctl3020", combo},
        {"ctl3021", edit},        {"ctl3022", combo},       {"ctl3023", edit},
    };
    EXPECT_EQ(controlsOf(page.get()), expected);
    EXPECT_EQ(page->button(ctl::ShowSelectedOnly)->text(), "Show Selected Only");
    EXPECT_EQ(page->button(ctl::ShowAllHighlight)->text(), "Show All, Highlight Selected");
    EXPECT_EQ(page->button(ctl::SelectClear)->text(), "Clear");
    EXPECT_EQ(page->button(ctl::SelectMore)->text(), "Select More");
    EXPECT_EQ(page->button(ctl::SelectFewer)->text(), "Select Fewer");
    EXPECT_EQ(page->button(ctl::Select)->text(), "Select");
    EXPECT_EQ(page->button(ctl::SelectAll)->text(), "Select All");
    EXPECT_EQ(page->button(ctl::SelectReverse)->text(), "Select Reverse");
    EXPECT_TRUE(page->button(ctl::Select)->isDefault());
    EXPECT_EQ(page->control(9999), nullptr);
}

TEST_F(SelectPageTest, pageIsFourHundredFiveHigh_controlsWhereTheLayoutPutsThem)
{
    auto page = make<SelectPage>(QSize(641, 480));
    EXPECT_EQ(page->geometry(), QRect(0, 25, 641, 405));
    EXPECT_EQ(clientGeometry(page->button(ctl::ShowSelectedOnly)), QRect(115, 325, 205, 26));
    EXPECT_EQ(clientGeometry(page->button(ctl::ShowAllHighlight)), QRect(320, 325, 205, 26));
    EXPECT_EQ(clientGeometry(page->button(ctl::SelectClear)), QRect(15, 360, 100, 26));
    EXPECT_EQ(clientGeometry(page->button(ctl::Select)), QRect(270, 360, 100, 26));
    EXPECT_EQ(clientGeometry(page->button(ctl::SelectReverse)), QRect(490, 360, 140, 26));
    EXPECT_EQ(clientGeometry(page->fromDate()), QRect(100, 17, 120, 24));
    EXPECT_EQ(clientGeometry(page->toDate()), QRect(270, 17, 120, 24));
    EXPECT_EQ(comboPlace(page->combo(ctl::SelectKeyword)), QRect(100, 257, 300, 0));
    EXPECT_EQ(Page::dropHeight(page->combo(ctl::SelectKeyword)), 450);
    EXPECT_EQ(comboPlace(page->combo(ctl::TimeTest)), QRect(100, 137, 180, 0));
    EXPECT_EQ(clientGeometry(page->edit(ctl::TimeValue)), QRect(290, 138, 80, 20));
    EXPECT_EQ(clientGeometry(page->edit(ctl::CommentText)), QRect(260, 228, 350, 20));
}

TEST_F(SelectPageTest, everyControlIsPlacedUnderItsOwnId)
{
    auto page = make<SelectPage>(QSize(700, 480));
    for (const ControlPlace& at : selectPlaces(700)) {
        SCOPED_TRACE(at.id);
        QWidget* w = page->control(at.id);
        ASSERT_NE(w, nullptr);
        const QRect r = clientGeometry(w);
        EXPECT_EQ(r.topLeft(), QPoint(at.rect.x, at.rect.y));
        EXPECT_EQ(r.width(), at.rect.width);
        if (auto* combo = qobject_cast<QComboBox*>(w)) {
            EXPECT_EQ(Page::dropHeight(combo), at.rect.height);
        } else {
            EXPECT_EQ(r.height(), at.rect.height);
        }
    }
}

TEST_F(SelectPageTest, dependentControlsStartHidden)
{
    auto page = make<SelectPage>();
    page->show();
    std::vector<int> hidden;
    for (const ControlPlace& at : selectPlaces(640))
        if (!page->control(at.id)->isVisible())
            hidden.push_back(at.id);
    const std::vector<int> expected = {3007, 3008, 3009, 3010, 3032, 3034, 3035, 3031, 3036, 3038, 3039};
    EXPECT_EQ(hidden, expected);
}

TEST_F(SelectPageTest, listsHoldTheirItemsWithTheEmptyOneSelected)
{
    loadLog("spring_2002_three_sports.dat");
    auto page = make<SelectPage>();
    const QStringList tests = {"", "Approximately Equal To", "Exactly Equal To", "Greater Than", "Less Than", "From"};
    EXPECT_EQ(comboTexts(page->combo(ctl::SelectSport)), QStringList({"", "None", "Running", "Cycling", "Swimming"}));
    EXPECT_EQ(comboTexts(page->combo(ctl::SelectKeyword)), QStringList({"", "Shoes worn", "Weight"}));
    EXPECT_EQ(comboTexts(page->combo(ctl::SelectRoute)), QStringList({"", "Hill loop"}));
    EXPECT_EQ(comboTexts(page->combo(ctl::SelectCategory)), QStringList({"", "Training", "Intervals", "Race"}));
    EXPECT_EQ(comboTexts(page->combo(ctl::DistanceTest)), tests);
    EXPECT_EQ(comboTexts(page->combo(ctl::TimeTest)), tests);
    EXPECT_EQ(comboTexts(page->combo(ctl::PaceTest)),
              QStringList({"", "Approximately Equal To", "Faster Than", "Slower Than", "From"}));
    EXPECT_EQ(comboTexts(page->combo(ctl::RouteTest)),
              QStringList({"", "Exactly Equal To", "Contains", "Doesn't Contain"}));
    EXPECT_EQ(comboTexts(page->combo(ctl::CommentTest)),
              QStringList({"", "Exactly Equal To", "Contains", "Doesn't Contain", "Since"}));
    for (const ControlPlace& at : selectPlaces(640)) {
        if (auto* combo = qobject_cast<QComboBox*>(page->control(at.id))) {
            EXPECT_EQ(combo->currentIndex(), 0) << at.id;
            EXPECT_FALSE(combo->isEditable()) << at.id;
        }
    }
}

TEST_F(SelectPageTest, datePickersSpanTheLog)
{
    loadLog("spring_2002_three_sports.dat");
    auto page = make<SelectPage>();
    EXPECT_EQ(page->fromDate()->date(), QDate(2002, 3, 1));
    EXPECT_EQ(page->toDate()->date(), QDate(2002, 4, 15));
    EXPECT_EQ(page->fromDate()->text(), "03/01/02");
    EXPECT_EQ(resolvedFamily(page->fromDate()->font()), "Liberation Sans");
    EXPECT_EQ(QFontMetrics(page->fromDate()->font()).height(), 16);
    EXPECT_EQ(page->toDate()->font().weight(), QFont::Bold);
}

TEST_F(SelectPageTest, dayFirstLog_datesReadDayFirst)
{
    loadLog("day_first_log.dat");
    auto page = make<SelectPage>();
    EXPECT_EQ(page->fromDate()->date(), QDate(2002, 3, 21));
    EXPECT_EQ(page->toDate()->date(), QDate(2003, 4, 5));
    EXPECT_EQ(page->toDate()->text(), "05/04/03");
}

TEST_F(SelectPageTest, emptyLog_datePickersShowToday)
{
    auto page = make<SelectPage>();
    EXPECT_EQ(page->fromDate()->date(), QDate(2024, 5, 17));
    EXPECT_EQ(page->toDate()->date(), QDate(2024, 5, 17));
}

TEST_F(SelectPageTest, displayModeButtonsFollowTheSetting)
{
    settings.selectionDisplayMode = 1;
    auto selectedOnly = make<SelectPage>();
    EXPECT_EQ(selectedOnly->displayModeGroup()->checkedId(), ctl::ShowSelectedOnly);
    settings.selectionDisplayMode = 0;
    auto showAll = make<SelectPage>();
    EXPECT_EQ(showAll->displayModeGroup()->checkedId(), ctl::ShowAllHighlight);
    EXPECT_TRUE(showAll->displayModeGroup()->exclusive());
    EXPECT_TRUE(showAll->button(ctl::ShowAllHighlight)->isCheckable());
}

TEST_F(SelectPageTest, tabVisitsTheCriteriaInCreationOrder)
{
    auto page = make<SelectPage>();
    const std::vector<QString> expected = {"ctl3024", "ctl3025", "ctl3027", "ctl3043", "ctl3040", "ctl3026", "ctl3032",
                                           "ctl3034", "ctl3035", "ctl3028", "ctl3030", "ctl3031", "ctl3036", "ctl3038",
                                           "ctl3039", "ctl3020", "ctl3021", "ctl3022", "ctl3023"};
    EXPECT_EQ(tabChainOf(page.get()), expected);
}

TEST_F(SelectPageTest, resize_keepsTheCriteria)
{
    loadLog("spring_2002_three_sports.dat");
    auto page = make<SelectPage>(QSize(640, 480));
    page->combo(ctl::RouteTest)->setCurrentIndex(2);
    page->edit(ctl::RouteText)->setText("loop");
    page->fromDate()->setDate(QDate(2002, 3, 14));
    page->button(ctl::ShowAllHighlight)->click();
    resizeTo(*page, QSize(900, 600));
    EXPECT_EQ(clientGeometry(page->button(ctl::Select)), QRect(400, 360, 100, 26));
    EXPECT_EQ(page->combo(ctl::RouteTest)->currentText(), "Contains");
    EXPECT_EQ(page->edit(ctl::RouteText)->text(), "loop");
    EXPECT_EQ(page->fromDate()->date(), QDate(2002, 3, 14));
    EXPECT_EQ(page->displayModeGroup()->checkedId(), ctl::ShowAllHighlight);
}

}  // namespace
