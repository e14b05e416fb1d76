// The Graph page as the user works it: the sport list refilled at each
// drawing, the refusal of distance and pace over all sports, arrows, the
// date picker, the period list, and the keywords of the type list.

#include <QComboBox>
#include <QDateEdit>
#include <QToolButton>

#include "log/messages.h"
#include "page_test_support.h"
#include "shell/pages/graph_page.h"
#include "views/logic/graph_data.h"

namespace {

using namespace pagetest;

// Monday weeks of the spring log: its last entry is in the week of 15 April 2002.
class GraphPageTest : public PageTest {
protected:
    void SetUp() override { loadLog("spring_2002_three_sports.dat"); }
    std::unique_ptr<GraphPage> shown(QSize client = QSize(640, 480))
    {
        auto page = make<GraphPage>(client);
        renderPage(*page, QStringLiteral("graph_page_%1x%2").arg(client.width()).arg(client.height()));
        return page;
    }
    static QStringList items(const QComboBox* combo)
    {
        QStringList texts;
        for (int i = 0; i < combo->count(); ++i)
            texts.append(combo->itemText(i));
        return texts;
    }
    void expectRefusal()
    {
        ASSERT_EQ(prompt.shown.size(), 1u);
        EXPECT_EQ(prompt.shown[0].caption, msg::kCaption);
        EXPECT_EQ(prompt.shown[0].text, kGraphNeedsOneSport);
    }
};

TEST_F(GraphPageTest, drawingFillsTheSportsAndEndsAtTheLastEntry)
{
    auto page = shown();
    EXPECT_EQ(items(page->sportCombo()), (QStringList{"All Sports", "Running", "Cycling", "Swimming"}));
    EXPECT_EQ(page->sportCombo()->currentIndex(), 0);
    EXPECT_EQ(state.graphFirstWeek, weekIndexOf({2002, 4, 15}, store.weekOrigin) - 12);
    EXPECT_EQ(page->graphDate()->date(), QDate(2002, 1, 21));
}

TEST_F(GraphPageTest, distanceOverAllSports_isRefusedAndTheTypeRestored)
{
    auto page = shown();
    prompt.answers.push_back(UserPrompt::Answer::Ok);
    page->quantityCombo()->setCurrentIndex(kGraphDistance);
    emit page->quantityCombo()->activated(kGraphDistance);
    expectRefusal();
    EXPECT_EQ(settings.graphType, kGraphTime);
    EXPECT_EQ(page->quantityCombo()->currentIndex(), kGraphTime);
}

TEST_F(GraphPageTest, allSportsWhileGraphingPace_takesTheSportAndGraphsTime)
{
    settings.graphSport = 1;
    settings.graphType = kGraphPace;
    auto page = shown();
    EXPECT_EQ(page->quantityCombo()->currentIndex(), kGraphPace);
    prompt.answers.push_back(UserPrompt::Answer::Ok);
    page->sportCombo()->setCurrentIndex(0);
    emit page->sportCombo()->activated(0);
    expectRefusal();
    EXPECT_EQ(settings.graphSport, 0);
    EXPECT_EQ(settings.graphType, kGraphTime);
    EXPECT_EQ(page->quantityCombo()->currentIndex(), kGraphTime);
}

TEST_F(GraphPageTest, arrowsAndPickerMoveTheFirstPeriod)
{
    auto page = shown();
    const int first = state.graphFirstWeek;
    page->backButton()->click();
    page->prepareDrawing();
    EXPECT_EQ(state.graphFirstWeek, first - 1);
    EXPECT_EQ(page->graphDate()->date(), QDate(2002, 1, 14));
    page->graphDate()->setDate(QDate(2002, 3, 14));
    page->prepareDrawing();
    EXPECT_EQ(state.graphFirstWeek, weekIndexOf({2002, 3, 11}, store.weekOrigin));
    EXPECT_EQ(state.graphFirstMonth, monthIndexOf({2002, 3, 1}));
    EXPECT_EQ(page->graphDate()->date(), QDate(2002, 3, 11));
}

TEST_F(GraphPageTest, monthsFromWeeks_keepAboutTheEndOfTheSpan)
{
    auto page = shown();
    page->periodCombo()->setCurrentIndex(4);
    emit page->periodCombo()->activated(4);
    EXPECT_EQ(settings.graphPeriod, 4);
    // The picker showed 21 January 2002: 13 weeks on, less 12 months.
    EXPECT_EQ(state.graphFirstMonth, monthIndexOf({2002, 1, 1}) + 13 / 4 - 12 + 1);
    page->prepareDrawing();
    EXPECT_EQ(page->graphDate()->date(), QDate(2001, 5, 1));
}

TEST_F(GraphPageTest, aNewKeywordJoinsTheTypeList)
{
    settings.graphType = kGraphFirstKeyword + 1;
    auto page = shown();
    EXPECT_EQ(items(page->quantityCombo()).mid(5), (QStringList{"Shoes worn", "Weight"}));
    EXPECT_EQ(page->quantityCombo()->currentIndex(), kGraphFirstKeyword + 1);
    store.keywords[2].text = "2\tHR\tHeart rate";
    store.keywordCount = 3;
    page->reloadFromLog();
    EXPECT_EQ(items(page->quantityCombo()).mid(5), (QStringList{"Shoes worn", "Weight", "Heart rate"}));
    store.keywordCount = 1;
    page->reloadFromLog();
    EXPECT_EQ(settings.graphType, kGraphTime) << "the graphed keyword has gone";
    EXPECT_EQ(page->quantityCombo()->currentIndex(), kGraphTime);
}

TEST_F(GraphPageTest, nothingClippedAtAnySize)
{
    for (QSize client : {QSize(640, 480), QSize(798, 554), QSize(1278, 946)}) {
        auto page = shown(client);
        for (QWidget* control : std::initializer_list<QWidget*>{page->periodCombo(), page->quantityCombo(),
                                                                page->sportCombo(), page->graphDate()})
            EXPECT_TRUE(page->rect().contains(control->geometry())) << control->objectName().toStdString();
    }
}

}  // namespace
