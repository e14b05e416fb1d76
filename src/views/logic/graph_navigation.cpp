#include "views/logic/graph_navigation.h"

#include <algorithm>

namespace {

// The first day of the log's calendar.
constexpr CalendarDate kFirstDay{1950, 1, 1};

int clampPeriod(int period, bool months, const CalendarDate& weekOrigin)
{
    const int first = months ? monthIndexOf(kFirstDay) : 0;
    return std::clamp(period, first, lastPeriod(months, weekOrigin));
}

// Today as an entry dated today would be: through a date text with a
// two-digit year in the log's date order.
CalendarDate todayAsEntry(const LogStore& store, const CalendarDate& today)
{
    const DateFormat format = store.preferences.dateFormat();
    return parseDate(formatDate(today, format), format);
}

}  // namespace

void placeGraphInitially(GraphFirsts& firsts, const LogStore& store, int currentEntry, int graphPeriod,
                         const CalendarDate& today)
{
    const GraphSpan span = graphSpan(graphPeriod);
    int reference = 0;
    if (currentEntry >= 0 && currentEntry < store.entryCount)
        reference = entryPeriod(store.entry(static_cast<std::size_t>(currentEntry)), span.months);
    else if (store.entryCount > 0)
        reference = entryPeriod(store.entry(store.entryCount - 1u), span.months);
    else
        reference = periodOf(todayAsEntry(store, today), span.months, store.weekOrigin);
    firsts.of(span.months) = clampPeriod(reference - span.periods + 1, span.months, store.weekOrigin);
}

void stepGraph(GraphFirsts& firsts, int graphPeriod, int step, const CalendarDate& weekOrigin)
{
    const bool months = graphSpan(graphPeriod).months;
    if (firsts.of(months) >= 0)
        firsts.of(months) = clampPeriod(firsts.of(months) + step, months, weekOrigin);
}

void pickGraphDate(GraphFirsts& firsts, const CalendarDate& day, const CalendarDate& weekOrigin)
{
    firsts.week = clampPeriod(periodOf(day, false, weekOrigin), false, weekOrigin);
    firsts.month = clampPeriod(periodOf(day, true, weekOrigin), true, weekOrigin);
}

void changeGraphPeriod(GraphFirsts& firsts, const LogStore& store, int oldPeriod, int newPeriod,
                       const CalendarDate& pickerDay)
{
    const GraphSpan from = graphSpan(oldPeriod);
    const GraphSpan to = graphSpan(newPeriod);
    if (store.entryCount == 0 || firsts.of(from.months) < 0)
        return;
    const int no = from.periods;
    const int nn = to.periods;
    const CalendarDate& origin = store.weekOrigin;
    if (from.months != to.months) {
        // About the same end of the span, in the other kind of period.
        pickGraphDate(firsts, pickerDay, origin);
        if (to.months)
            firsts.month = clampPeriod(firsts.month + no / 4 - nn + 1, true, origin);
        else
            firsts.week = clampPeriod(firsts.week + (no * 53 - 53) / 12 - nn + 1, false, origin);
        return;
    }
    int& first = firsts.of(to.months);
    if (nn > no) {
        const int last = entryPeriod(store.entry(store.entryCount - 1u), to.months);
        if (first + nn - 1 > last)
            first = last - nn + 1;
    } else {
        first += no - nn;
    }
    first = clampPeriod(first, to.months, origin);
}

int graphFirstPeriod(GraphFirsts& firsts, const LogStore& store, int currentEntry, int graphPeriod,
                     const CalendarDate& today)
{
    const bool months = graphSpan(graphPeriod).months;
    if (firsts.of(months) < 0)
        placeGraphInitially(firsts, store, currentEntry, graphPeriod, today);
    return firsts.of(months);
}
