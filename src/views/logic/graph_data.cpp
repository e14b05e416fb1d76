#include "views/logic/graph_data.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "values/tab_fields.h"
#include "values/time_value.h"
#include "values/units.h"
#include "views/logic/totals.h"

namespace {

constexpr GraphSpan kSpans[kGraphPeriodCount] = {
    {13, 13, 1, false}, {27, 13, 2, false}, {55, 13, 4, false}, {111, 13, 8, false},
    {12, 12, 1, true},  {25, 12, 2, true},  {38, 12, 3, true},  {51, 12, 4, true},
};

// The last day of the log's calendar.
constexpr CalendarDate kLastDay{2049, 12, 31};

// Which entries the graph counts: selected, of the graphed sport (or of any
// sport; keywords also of "None"), and not a multi-sport event, whose
// workouts are entered again under their own sports.
bool counts(const LogStore& store, const LogEntry& entry, int type, int sport)
{
    if (entry.selected == 0 || entry.sportIndex > store.sportCount)
        return false;
    if (sport != 0 && entry.sportIndex != sport)
        return false;
    if (sport == 0 && type < kGraphFirstKeyword && entry.sportIndex == 0)
        return false;
    return !isMultiSport(store.sports[entry.sportIndex]);
}

// Types 0-4 count only sports 1 and up: slot 0 is the all-sports total.
void accumulate(GraphPeriod& period, const LogEntry& entry, int type)
{
    GraphSlot& total = period.sums[0];
    GraphSlot& slot = period.sums[entry.sportIndex];
    const bool paceWithout = type == kGraphPace && (entry.distance == 0.0f || entry.minutes == 0.0f);
    if (!paceWithout) {
        slot.distance += entry.distance;
        slot.minutes += entry.minutes;
        total.minutes += entry.minutes;
    }
    if (entry.distance != 0.0f || entry.minutes != 0.0f) {
        ++slot.count;
        ++total.count;
    }
}

std::string verticalCaptionOf(int type, const SportDef& sport)
{
    switch (type) {
        case kGraphTime:
            return "Hours";
        case kGraphDistance: {
            // A blank caption where the sport has no distance units.
            const std::string_view word = distanceUnitWord(sport.distanceUnits);
            return word.empty() ? std::string(" ") : std::string(word);
        }
        case kGraphPace:
            return "Average Pace";
        case kGraphWorkouts:
            return "# Workouts";
        default:
            return "kCalories Burned";
    }
}

}  // namespace

GraphSpan graphSpan(int graphPeriod)
{
    if (graphPeriod >= 0 && graphPeriod < kGraphPeriodCount)
        return kSpans[graphPeriod];
    return GraphSpan{1, 1, 1, graphPeriod >= kGraphPeriodCount};
}

bool graphNeedsOneSport(int type)
{
    return type == kGraphDistance || type == kGraphPace;
}

CalendarDate periodFirstDay(int period, bool months, const CalendarDate& weekOrigin)
{
    if (!months)
        return weekFirstDay(period, weekOrigin);
    const int year = 1900 + (period >= 0 ? period / 12 : (period - 11) / 12);
    return CalendarDate{year, period - (year - 1900) * 12 + 1, 1};
}

int entryPeriod(const LogEntry& entry, bool months)
{
    return months ? entry.monthIndex : entry.weekIndex;
}

int periodOf(const CalendarDate& date, bool months, const CalendarDate& weekOrigin)
{
    return months ? monthIndexOf(date) : weekIndexOf(date, weekOrigin);
}

int lastPeriod(bool months, const CalendarDate& weekOrigin)
{
    return periodOf(kLastDay, months, weekOrigin);
}

float sportPartValue(int type, const GraphSlot& slot)
{
    switch (type) {
        case kGraphTime:
            return slot.minutes;
        case kGraphDistance:
            return slot.distance;
        case kGraphWorkouts:
            return static_cast<float>(slot.count);
        case kGraphCalories:
            return slot.calories;
        default:
            return 0.0f;
    }
}

float printedValue(int type, float value)
{
    return type == kGraphTime ? value / 60.0f : value;
}

GraphScale graphScale(float vMax, float vMin, bool based, bool hours)
{
    GraphScale scale;
    if (based) {
        const double range = static_cast<double>(vMax) - vMin;
        const double z = range > 5000 ? 1000 : range > 500 ? 100 : range > 10 ? 10 : 1;
        double base = std::trunc(vMin / z) * z;
        if (base == static_cast<double>(vMin))
            base = std::trunc((vMin - range / 10) / z) * z;
        scale.base = base > 99990 || base < 0 ? 0 : static_cast<int>(base);
    }
    double top = hours ? vMax / 60.0 : vMax;
    // No period holds more than a billion of anything a log can hold.
    const double above = std::min(top - scale.base, 1e9);
    long long span = static_cast<long long>(std::trunc((above + 4.99) / 5)) * 5;
    double fraction = above;
    int shifts = 0;
    while (span > 25) {
        span /= 10;
        fraction /= 10;
        ++shifts;
    }
    span = span <= 5 ? 5 : span <= 10 ? 10 : 25;
    if (static_cast<double>(span) < fraction)
        span *= 2;
    for (int k = 0; k < shifts; ++k)
        span *= 10;
    scale.span = static_cast<int>(span);
    return scale;
}

namespace {

// The periods shown with their first days, the labels and the texts that do
// not depend on the entries.
GraphData graphFrame(const LogStore& store, const GraphRequest& req)
{
    GraphData data;
    data.span = graphSpan(req.graphPeriod);
    data.type = req.type;
    data.sport = req.sport;
    data.sportCount = store.sportCount;
    data.keyword = req.type >= kGraphFirstKeyword;
    data.stacked = req.sport == 0 && req.type < kGraphFirstKeyword;
    data.horizontalCaption = data.span.months ? "Month" : "Week Starting";
    data.dayFirst = store.preferences.dateFormat() == DateFormat::DayFirst;
    data.title = data.keyword ? graphKeywordLabel(store, req.type - kGraphFirstKeyword) : kGraphTypeTexts[req.type];
    if (req.type < kGraphCalories)
        data.title +=
            std::string(" - ") + (req.sport == 0                  ? std::string(kAllSportsText)
                                  : req.sport <= store.sportCount ? std::string(store.sports[req.sport].name.view())
                                                                  : std::string());
    const bool months = data.span.months;
    const int first = req.firstPeriod;
    data.periods.resize(static_cast<std::size_t>(data.span.periods));
    for (int p = 0; p < data.span.periods; ++p) {
        data.periods[p].period = first + p;
        data.periods[p].firstDay = periodFirstDay(first + p, months, store.weekOrigin);
    }
    for (int f = 0; f < data.span.labels; ++f)
        data.labelDays.push_back(periodFirstDay(first + (f + 1) * data.span.labelStep - 1, months, store.weekOrigin));
    return data;
}

// Every entry that counts into the sums of its period. An entry's period
// places it, so the log's order does not matter and nothing outside the
// periods shown (the one after the last included) reaches the scale.
// Returns whether a keyword value read was a time.
bool sumPeriods(GraphData& data, const LogStore& store, const GraphRequest& req)
{
    std::string_view abbreviation;
    if (data.keyword) {
        // A keyword's text: its kind, its abbreviation and its label.
        const auto fields = fieldsOf<2>(store.keywords[req.type - kGraphFirstKeyword].text.view());
        abbreviation = fields[1];
        data.averaged = fields[0] == "1";
    }
    const bool calories = req.type == kGraphCalories;
    std::optional<BodyWeights> weights;
    if (calories)
        weights.emplace(store, req.calories);
    bool timeValues = false;
    const int n = data.span.periods;
    for (std::size_t i = 0; i < store.entryCount; ++i) {
        const LogEntry& entry = store.entry(i);
        const int p = entryPeriod(entry, data.span.months) - req.firstPeriod;
        if (p < 0 || p >= n || !counts(store, entry, req.type, req.sport))
            continue;
        GraphPeriod& period = data.periods[static_cast<std::size_t>(p)];
        if (data.keyword) {
            const float value = keywordValue(entry.commentText.view(), abbreviation, entry.minutes, &timeValues);
            period.sums[0].minutes += value;
            if (value != 0.0f)
                ++period.sums[0].count;
            continue;
        }
        accumulate(period, entry, req.type);
        const float kcal = calories ? entryCalories(store, i, req.calories, *weights) : 0.0f;
        if (kcal > 0.0f) {
            period.sums[entry.sportIndex].calories += kcal / 1000.0f;
            period.sums[0].calories += kcal / 1000.0f;
        }
    }
    return timeValues;
}

struct ValueRange {
    float largest = 5.0f;
    float smallest = 99999.0f;
};

// Each period's value as its bar uses it, and the range the scale spans.
ValueRange valuePeriods(GraphData& data, const SportDef& sport, std::size_t slotIndex, bool based)
{
    ValueRange range;
    for (GraphPeriod& period : data.periods) {
        const GraphSlot& slot = period.sums[slotIndex];
        if (data.keyword) {
            period.value =
                data.averaged && slot.minutes != 0.0f ? slot.minutes / static_cast<float>(slot.count) : slot.minutes;
        } else if (data.type == kGraphPace) {
            if (slot.minutes > 0.0f && slot.distance > 0.0f)
                period.value = paceFromTime(slot.minutes, slot.distance, sport.distanceUnits, sport.paceUnits);
        } else {
            period.value = sportPartValue(data.type, slot);
        }
        period.hasValue = period.value != 0.0f;
        range.largest = std::max(range.largest, period.value);
        // Periods without a value have no bar and do not pull the axis down.
        if (based && period.hasValue)
            range.smallest = std::min(range.smallest, period.value);
    }
    return range;
}

}  // namespace

GraphData buildGraphData(const LogStore& store, const GraphRequest& request)
{
    // A keyword that has left the log is graphed as time.
    GraphRequest req = request;
    if (req.type < 0 || (req.type >= kGraphFirstKeyword && req.type - kGraphFirstKeyword >= store.keywordCount))
        req.type = kGraphTime;
    GraphData data = graphFrame(store, req);
    if (store.entryCount == 0)
        return data;
    const bool timeValues = sumPeriods(data, store, req);

    const bool based = req.type == kGraphPace || data.averaged;
    const std::size_t s = data.keyword || req.sport > store.sportCount ? 0 : static_cast<std::size_t>(req.sport);
    const SportDef& sport = store.sports[s];
    const ValueRange range = valuePeriods(data, sport, s, based);
    const GraphScale scale = graphScale(range.largest, range.smallest, based, req.type == kGraphTime);
    data.hasScale = true;
    data.base = scale.base;
    data.axisSpan = scale.span;
    const bool timeLabels = (data.keyword && timeValues) || (req.type == kGraphPace && paceIsTime(sport.paceUnits));
    for (int k = 0; k < 5; ++k) {
        const long long value = static_cast<long long>(scale.span) * ((k + 1) * 2) / 10 + scale.base;
        data.tickLabels[static_cast<std::size_t>(k)] =
            timeLabels ? formatTime(static_cast<float>(value)) : std::to_string(value);
    }
    if (!data.keyword)
        data.verticalCaption = verticalCaptionOf(req.type, sport);
    return data;
}

std::string graphKeywordLabel(const LogStore& store, int index)
{
    if (index < 0 || index >= store.keywordCount)
        return {};
    return std::string(fieldsOf<3>(store.keywords[index].text.view())[2]);
}
