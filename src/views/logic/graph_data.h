#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "log/log_store.h"
#include "views/logic/calories.h"

// What the graph shows, worked out from the log: one value per period shown
// (and each sport's part of it), the scale and the texts of the axes. The
// painter and `orvanta graph` only place or print it.

// The quantities of the type list; 5 and above is keyword number type - 5.
enum GraphType : int {
    kGraphTime = 0,
    kGraphDistance = 1,
    kGraphPace = 2,
    kGraphWorkouts = 3,
    kGraphCalories = 4,
    kGraphFirstKeyword = 5,
};

inline constexpr int kGraphPeriodCount = 8;
inline constexpr const char* kGraphPeriodTexts[kGraphPeriodCount] = {
    "13 Weeks", "27 Weeks", "55 Weeks", "111 Weeks", "12 Months", "25 Months", "38 Months", "51 Months"};
inline constexpr int kGraphBuiltInTypes = 5;
inline constexpr const char* kGraphTypeTexts[kGraphBuiltInTypes] = {"Time", "Distance", "Pace", "# Workouts",
                                                                    "Calories Burned"};
inline constexpr const char* kAllSportsText = "All Sports";
inline constexpr const char* kGraphNeedsOneSport =
    "You can't graph distance or pace unless you select a single sport to graph first!";

// A period setting: how many periods are shown, how many carry a label and
// every how many periods a label stands.
struct GraphSpan {
    int periods = 1;
    int labels = 1;
    int labelStep = 1;
    bool months = false;
};

// The span of a "Graph Period" value; any value outside the list shows one
// period.
GraphSpan graphSpan(int graphPeriod);

// Distance and pace mean nothing summed over sports of different units.
bool graphNeedsOneSport(int type);

// The first day of a week or month period.
CalendarDate periodFirstDay(int period, bool months, const CalendarDate& weekOrigin);
// The period of an entry or of a day.
int entryPeriod(const LogEntry& entry, bool months);
int periodOf(const CalendarDate& date, bool months, const CalendarDate& weekOrigin);
// The last period the log's calendar reaches (December 2049).
int lastPeriod(bool months, const CalendarDate& weekOrigin);

struct GraphRequest {
    int graphPeriod = 0;
    int type = kGraphTime;
    int sport = 0;             // 0 all sports, else a sport index
    int firstPeriod = 0;       // a week or month index, by the span
    CalorieSettings calories;  // for the calories graph
};

// One sport's sums over a period; slot 0 holds the all-sports sums (and the
// keyword's sum and count).
struct GraphSlot {
    int count = 0;
    float minutes = 0.0f;
    float distance = 0.0f;
    float calories = 0.0f;  // kilocalories / 1000
};

struct GraphPeriod {
    int period = 0;  // week or month index
    CalendarDate firstDay;
    bool hasValue = false;  // the period has a value to draw
    float value = 0.0f;     // as the bar uses it: minutes for time
    std::array<GraphSlot, LogStore::kMaxSports + 1> sums{};
};

struct GraphData {
    GraphSpan span;
    int type = kGraphTime;
    int sport = 0;
    bool keyword = false;   // a keyword graph
    bool averaged = false;  // the keyword's periods are averages
    bool stacked = false;   // all sports, one part per sport
    std::uint16_t sportCount = 0;
    std::vector<GraphPeriod> periods;  // one per period shown, in order

    bool hasScale = false;                  // no scale, caption or bars for an empty log
    int base = 0;                           // the value at the bottom of the axis
    int axisSpan = 5;                       // from the bottom to the top of the axis
    std::string verticalCaption;            // empty for keywords
    std::array<std::string, 5> tickLabels;  // at 2/10, 4/10 ... 10/10 of the height
    std::string horizontalCaption;          // "Week Starting" or "Month"
    std::vector<CalendarDate> labelDays;    // the first days of the labelled periods
    bool dayFirst = false;                  // week labels "d/M" rather than "M/d"
    std::string title;                      // printed above the graph: the type, and the sport for the first four types
};

GraphData buildGraphData(const LogStore& store, const GraphRequest& request);

// The value of one sport's part of a stacked bar, in the bar's units
// (minutes for time).
float sportPartValue(int type, const GraphSlot& slot);

// What `orvanta graph` prints for a value: time in hours, the rest as it is.
float printedValue(int type, float value);

// ---- The scale -----------------------------------------------------------

struct GraphScale {
    int base = 0;
    int span = 5;
};

// From the largest and smallest period values (vMin only counts for pace and
// averaged keywords; pass based as true for those); largest in the bar's units.
GraphScale graphScale(float vMax, float vMin, bool based, bool hours);

// The label of keyword number index: the third field of its text.
std::string graphKeywordLabel(const LogStore& store, int index);
