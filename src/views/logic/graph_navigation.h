#pragma once

#include "log/log_store.h"
#include "views/logic/graph_data.h"

// Where the graph stands: the first week and the first month shown, and
// how the arrows, the date picker and the period list move them.

// The first periods shown; -1 until chosen.
struct GraphFirsts {
    int week = -1;
    int month = -1;
    int& of(bool months) { return months ? month : week; }
    int of(bool months) const { return months ? month : week; }
};

// The first time: the period of the current entry (else of the last entry,
// else of today) becomes the last one shown, for the active kind of period.
void placeGraphInitially(GraphFirsts& firsts, const LogStore& store, int currentEntry, int graphPeriod,
                         const CalendarDate& today);
// An arrow: one period earlier (-1) or later (+1).
void stepGraph(GraphFirsts& firsts, int graphPeriod, int step, const CalendarDate& weekOrigin);
// The date picker: the period holding the day becomes the first shown.
void pickGraphDate(GraphFirsts& firsts, const CalendarDate& day, const CalendarDate& weekOrigin);
// Another period setting. pickerDay is the day the picker shows.
void changeGraphPeriod(GraphFirsts& firsts, const LogStore& store, int oldPeriod, int newPeriod,
                       const CalendarDate& pickerDay);
// The first period of the active kind, placed first when unset, kept within
// the calendar.
int graphFirstPeriod(GraphFirsts& firsts, const LogStore& store, int currentEntry, int graphPeriod,
                     const CalendarDate& today);
