// The graph painter on screen and on paper: the frame and plot, bars in the
// sports' colours, stacked parts, the printed title, nothing drawn outside
// the area. Pictures of every type go to rendered/ for a look by eye.

#include <gtest/gtest.h>

#include <QPainter>

#include "log/log_reader.h"
#include "painter_test_support.h"
#include "scripted_prompt.h"
#include "shell/logic/app_settings.h"
#include "shell/logic/graph_settings.h"
#include "views/graph_painter.h"
#include "views/logic/graph_data.h"

namespace {

using namespace paintertest;

const QColor kPlotFill(240, 240, 240);
const QColor kScreenBackground(192, 255, 255);
const QColor kPrintedBar(192, 192, 192);

class GraphPainter : public ::testing::Test {
protected:
    std::unique_ptr<LogStore> owner = std::make_unique<LogStore>();
    LogStore& store = *owner;
    AppSettings settings = defaultSettings();

    void SetUp() override
    {
        ScriptedPrompt prompt;
        store.setFileName(ORV_SAMPLE_LOG);
        ReadOptions options;
        options.calorieSportNames = settings.calorieSportNames();
        ASSERT_EQ(readLog(store, prompt, options), ReadResult::Ok);
        store.selectAll();
    }

    GraphData data(int type, int sport, int period, CalendarDate first = {2026, 1, 1})
    {
        GraphRequest request;
        request.graphPeriod = period;
        request.type = type;
        request.sport = sport;
        request.firstPeriod = periodOf(first, graphSpan(period).months, store.weekOrigin);
        request.calories = calorieSettingsOf(settings);
        return buildGraphData(store, request);
    }

    QImage render(const QString& name, const GraphData& d, bool printing = false, QSize size = QSize(638, 453),
                  QRect* area = nullptr)
    {
        const PaintStyle style = graphPaintStyle(viewSettingsOf(settings), printing);
        return renderArea(
            name, size, printing ? kPrinterDpi : kScreenDpi, 10,
            [&](QPainter& p, const QRect& a) { paintGraph(p, a, d, style); }, area);
    }
};

TEST_F(GraphPainter, everyTypeForOneSportAndAllSports_staysInsideItsArea)
{
    const struct {
        const char* name;
        int type;
        int sport;
    } shots[] = {{"time_running", kGraphTime, 1},
                 {"time_all", kGraphTime, 0},
                 {"distance_running", kGraphDistance, 1},
                 {"pace_running", kGraphPace, 1},
                 {"pace_cycling", kGraphPace, 2},
                 {"workouts_all", kGraphWorkouts, 0},
                 {"calories_all", kGraphCalories, 0},
                 {"calories_swimming", kGraphCalories, 3},
                 {"keyword_weight", kGraphFirstKeyword + 1, 0}};
    for (const auto& shot : shots) {
        QRect area;
        const QImage image = render(QStringLiteral("graph_%1").arg(QLatin1String(shot.name)),
                                    data(shot.type, shot.sport, 1), false, QSize(638, 453), &area);
        EXPECT_EQ(touchedOutside(image, area), 0) << shot.name;
        EXPECT_GT(countColour(image, kPlotFill, area), 1000) << shot.name;
    }
}

TEST_F(GraphPainter, oneSportsBarsInItsColour_allSportsStackedInTheirs)
{
    const QColor running = colorFromBgr(settings.sportColors[1]);
    const QColor cycling = colorFromBgr(settings.sportColors[2]);
    const QImage one = render(QStringLiteral("graph_running_colour"), data(kGraphTime, 1, 0, {2026, 6, 1}));
    EXPECT_GT(countColour(one, running), 500);
    EXPECT_EQ(countColour(one, cycling), 0);
    const QImage all = render(QStringLiteral("graph_all_colours"), data(kGraphTime, 0, 0, {2026, 6, 1}));
    EXPECT_GT(countColour(all, running), 500);
    EXPECT_GT(countColour(all, cycling), 500);
}

TEST_F(GraphPainter, longSpans)
{
    for (int period : {3, 7}) {
        QRect area;
        const QImage image = render(QStringLiteral("graph_span_%1").arg(graphSpan(period).periods),
                                    data(kGraphTime, 0, period, {2024, 1, 1}), false, QSize(638, 453), &area);
        EXPECT_EQ(touchedOutside(image, area), 0);
        EXPECT_GT(countColour(image, colorFromBgr(settings.sportColors[1])), 200);
    }
}

TEST_F(GraphPainter, keywordWithTimeValues)
{
    // A keyword whose values are times: its axis is labelled with times.
    store.keywords[store.keywordCount].text = "2\tPR\tRace time";
    ++store.keywordCount;
    store.entry(0).commentText = "PR=23:50";
    const GraphData d = data(kGraphFirstKeyword + store.keywordCount - 1, 0, 4);
    EXPECT_EQ(d.tickLabels[4], "25:00");
    render(QStringLiteral("graph_keyword_times"), d);
}

TEST_F(GraphPainter, printedWithTitleFramedBarsAndNoScreenFills)
{
    QRect area;
    const QImage image =
        render(QStringLiteral("graph_printed"), data(kGraphTime, 1, 0, {2026, 6, 1}), true, QSize(4250, 3000), &area);
    EXPECT_EQ(touchedOutside(image, area), 0);
    EXPECT_EQ(countColour(image, kScreenBackground), 0);
    EXPECT_EQ(countColour(image, kPlotFill), 0);
    EXPECT_GT(countColour(image, kPrintedBar), 1000);
    EXPECT_EQ(countColour(image, colorFromBgr(settings.sportColors[1])), 0);
    // The title stands above the plot: dark pixels in the band above the frame.
    const QRect titleBand(area.left() + 300, area.top() + 20, area.width() - 600, 220);
    EXPECT_GT(countNear(image, Qt::black, 60, titleBand), 100);
}

}  // namespace
