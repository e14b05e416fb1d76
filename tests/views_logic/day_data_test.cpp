// The day view's card: the texts of an entry and the stepping through the
// selected entries.

#include <gtest/gtest.h>

#include "view_log_builder.h"
#include "views/logic/day_data.h"

namespace {

ViewLog springLog()
{
    ViewLog log;
    log.sport("Running", 'R', DistanceUnit::Miles, PaceUnit::MinPerMile)
        .sport("Cycling", 'C', DistanceUnit::Kilometers, PaceUnit::KmPerHour)
        .sport("Swimming", 'S', DistanceUnit::Yards, PaceUnit::SecPer100Yards);
    log.add({.date = "03/01/02",
             .sportLetter = 'R',
             .minutes = 45.5f,
             .distance = 5.2f,
             .distanceText = "5.2M",
             .timeText = "45:30",
             .route = "River loop",
             .comment = "Easy day",
             .paceText = "8:45"});
    log.add({.date = "03/14/02",
             .sportLetter = 'C',
             .minutes = 40,
             .distance = 20,
             .distanceText = "20K",
             .timeText = "40:00",
             .kind = 'I',
             .selected = false,
             .paceText = "30.0"});
    log.add({.date = "03/28/02",
             .sportLetter = 'S',
             .minutes = 30,
             .distance = 1500,
             .distanceText = "1500Y",
             .timeText = "30:00",
             .kind = 'R'});
    return log;
}

TEST(DayCardTexts, kindWords)
{
    EXPECT_EQ(kindWord('T'), "Training");
    EXPECT_EQ(kindWord('I'), "Intervals");
    EXPECT_EQ(kindWord('R'), "Race");
    EXPECT_EQ(kindWord('X'), "");
    EXPECT_EQ(kindWord('\0'), "");
}

TEST(DayCardTexts, unitWordsReplaceTheUnitLetter)
{
    struct Row {
        const char* text;
        const char* shown;
    };
    for (const Row& row :
         {Row{"5.2K", "5.2 km"}, Row{"3M", "3 miles"}, Row{"1500Y", "1500 yards"}, Row{"2000m", "2000 meters"},
          Row{"~12.5K", "~12.5 km"}, Row{"5.2", "5.2"}, Row{"5x", "5x"}, Row{"", ""}})
        EXPECT_EQ(distanceWithUnitWord(row.text), row.shown) << row.text;
}

TEST(DayCard, anEntrysValues)
{
    ViewLog log = springLog();
    const DayCard card = buildDayCard(log.store, 0);
    EXPECT_TRUE(card.hasEntry);
    EXPECT_EQ(card.date, (CalendarDate{2002, 3, 1}));
    EXPECT_EQ(card.sport, "Running");
    EXPECT_EQ(card.category, "Training");
    EXPECT_EQ(card.distance, "5.2 miles");
    EXPECT_EQ(card.time, "45:30");
    EXPECT_EQ(card.pace, "8:45 mpm");
    EXPECT_EQ(card.route, "River loop");
    EXPECT_EQ(card.comment, "Easy day");
    EXPECT_EQ(card.number, "#1/3");

    const DayCard ride = buildDayCard(log.store, 1);
    EXPECT_EQ(ride.category, "Intervals");
    EXPECT_EQ(ride.pace, "30.0 kph");
    EXPECT_EQ(ride.number, "#2/3");

    const DayCard swim = buildDayCard(log.store, 2);
    EXPECT_EQ(swim.sport, "Swimming");
    EXPECT_EQ(swim.category, "Race");
    EXPECT_EQ(swim.pace, "") << "no pace text, no unit";
}

TEST(DayCard, noEntry_givesAnEmptyCard)
{
    ViewLog log = springLog();
    for (int index : {-1, 3, 100}) {
        const DayCard card = buildDayCard(log.store, index);
        EXPECT_FALSE(card.hasEntry) << index;
        EXPECT_EQ(card.number, "") << index;
    }
}

TEST(DayCard, datesReadByTheDateFormatAndTheYearWindow)
{
    ViewLog log = springLog();
    log.store.setDateFormat(2);
    EXPECT_EQ(buildDayCard(log.store, 1).date, (CalendarDate{2002, 3, 14}));
    log.store.entry(1).dateText = "31/12/49";
    EXPECT_EQ(buildDayCard(log.store, 1).date, (CalendarDate{2049, 12, 31}));
    log.store.entry(1).dateText = "01/01/50";
    EXPECT_EQ(buildDayCard(log.store, 1).date, (CalendarDate{1950, 1, 1}));
}

TEST(DayCard, theSportIsFoundByItsLetter_withoutTouchingTheFormsSport)
{
    ViewLog log = springLog();
    log.store.currentSport = 3;
    log.store.entry(0).kindSport = "TC";
    EXPECT_EQ(buildDayCard(log.store, 0).sport, "Cycling");
    log.store.entry(0).kindSport = "TZ";
    EXPECT_EQ(buildDayCard(log.store, 0).sport, "None");
    EXPECT_EQ(log.store.currentSport, 3);
}

TEST(DayStepping, theArrowsSkipUnselectedEntriesAndStopAtTheEnds)
{
    ViewLog log = springLog();
    EXPECT_EQ(stepSelectedEntry(log.store, 0, 1), 2) << "entry 1 is not selected";
    EXPECT_EQ(stepSelectedEntry(log.store, 2, -1), 0);
    EXPECT_EQ(stepSelectedEntry(log.store, 2, 1), 2) << "the last entry";
    EXPECT_EQ(stepSelectedEntry(log.store, 0, -1), 0) << "the first entry";
    log.store.entry(2).selected = 0;
    EXPECT_EQ(stepSelectedEntry(log.store, 0, 1), 0) << "no selected entry after it";
}

}  // namespace
