#pragma once

// Where the controls of the seven pages sit and the values the pages start
// from. Everything here is plain arithmetic on the main window's client size
// (cw, ch) or on a page's own client size (pw, ph), kept apart from the
// widgets so that it can be checked without a display. Divisions are C++
// integer divisions, which truncate toward zero as the layout expects.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "log/log_store.h"
#include "values/calendar.h"

struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// A text painted with its top-left corner at (x, y).
struct PaintedText {
    const char* text = "";
    int x = 0;
    int y = 0;
};

// A control's place by its id, for pages with many controls.
struct ControlPlace {
    int id = 0;
    PixelRect rect;
};

inline constexpr int kTabStripHeight = 25;
inline constexpr int kSelectPagePixelHeight = 405;
// Pages carry a one-pixel border; their controls and painting sit inside it,
// so a page's own client area is two pixels smaller than the page.
inline constexpr int kPageBorder = 1;
inline constexpr int kListRowHeight = 16;

// ---- Every page --------------------------------------------------------

// The page's place in the main window's client area: below the tab strip,
// full width; the Select page alone has a fixed height.
inline PixelRect pageRect(int page, int cw, int ch)
{
    return {0, kTabStripHeight, cw, page == 6 ? kSelectPagePixelHeight : ch - kTabStripHeight};
}
inline int pageClientWidth(int cw)
{
    return cw - 2 * kPageBorder;
}
inline int pageClientHeight(int page, int ch)
{
    return pageRect(page, 0, ch).height - 2 * kPageBorder;
}

// Whole 16-pixel rows of an owner-drawn list of this height.
inline int listRows(int listHeight)
{
    return (listHeight - 2) / kListRowHeight;
}

// ---- Page 0, Data Entry -----------------------------------------------

// H: the height of each of the two multi-line boxes.
inline int entryBoxHeight(int ch)
{
    return (ch - 280) / 2;
}

struct DataEntryGeometry {
    PixelRect date, sport, category, distance, units, time, pace, route, comment;
    PixelRect keywordButton, autofillButton, save, clear, recent;
    int keywordButtonTop = 0;
    int autofillButtonTop = 0;
    int listWidth = 0;
};

inline DataEntryGeometry dataEntryGeometry(int cw, int ch)
{
    const int h = entryBoxHeight(ch);
    DataEntryGeometry g;
    g.date = {46, 5, 120, 24};
    g.sport = {225, 5, 160, 180};
    g.category = {470, 5, 100, 180};
    g.distance = {72, 43, 95, 20};
    g.units = {175, 41, 70, 180};
    g.time = {295, 43, 90, 20};
    g.pace = {440, 43, 90, 20};
    g.route = {80, 75, cw - 90, h};
    g.comment = {80, h + 95, cw - 90, h};
    g.keywordButton = {62, h + 128, 12, 12};
    g.autofillButton = {62, 123, 12, 12};
    g.save = {cw / 2 - 40, 2 * h + 105, 80, 30};
    g.clear = {20, 2 * h + 105, 80, 30};
    g.recent = {8, ch - 116, cw - 16, 96};
    g.keywordButtonTop = h + 128;
    // Two pixels below the button itself; the Autofill menu opens from here.
    g.autofillButtonTop = 125;
    g.listWidth = cw - 16;
    return g;
}

// What the Data Entry page paints, from its own client height ph and the
// keyword button's top.
struct DataEntryPainting {
    std::array<PaintedText, 9> labels;
    PaintedText paceUnits;
    PaintedText autofill, keyword, recentEntries;
    PixelRect autofillFrame, keywordFrame;  // frames one pixel wide, inside these rectangles
    int lineY = 0;                          // the black line above the band
    int bandTop = 0;                        // the light yellow band runs from here to the bottom
};

inline DataEntryPainting dataEntryPainting(int ph, int keywordButtonTop)
{
    const int k = keywordButtonTop;
    DataEntryPainting p;
    p.labels = {{{"Date:", 8, 9},
                 {"Sport:", 180, 9},
                 {"Category:", 400, 9},
                 {"Distance:", 8, 44},
                 {"Time:", 255, 44},
                 {"Pace:", 400, 44},
                 {"Route/", 8, 77},
                 {"Workout:", 15, 92},
                 {"Comment:", 8, (ph - 265) / 2 + 100}}};
    p.paceUnits = {"", 540, 44};
    p.autofill = {"Autofill", 20, 120};
    p.keyword = {"Keyword", 11, k - 4};
    p.recentEntries = {"Recent Entries:", 8, ph - 106};
    p.autofillFrame = {6, 118, 72, 19};
    p.keywordFrame = {6, k - 6, 72, 19};
    p.lineY = ph - 111;
    p.bandTop = ph - 110;
    return p;
}

// ---- Page 1, Log -------------------------------------------------------

struct LogGeometry {
    PixelRect list;
    int listWidth = 0;
    int rows = 0;
};

inline LogGeometry logGeometry(int pw, int ph)
{
    const int listHeight = ph - 22;
    return {{8, 20, pw - 16, listHeight}, pw - 16, listRows(listHeight)};
}

inline std::array<PaintedText, 7> logHeadings(int pw)
{
    const int a = (pw - 310) / 2;
    return {{{"Date", 30, 5},
             {"Sport", 70, 5},
             {"Distance", 110, 5},
             {"Time", 200, 5},
             {"Pace", 270, 5},
             {"Route/Workout", a / 2 + 260, 5},
             {"Comment", a * 6 / 4 + 260, 5}}};
}

// ---- Page 2, Day -------------------------------------------------------

struct DayGeometry {
    PixelRect forward, back, remove, modify, duplicate;
};

inline DayGeometry dayGeometry(int cw, int ch)
{
    const int half = cw / 2;
    return {{half + 60, ch - 120, 26, 16},
            {half - 86, ch - 120, 26, 16},
            {half - 175, ch - 64, 100, 26},
            {half - 50, ch - 64, 100, 26},
            {half + 75, ch - 64, 100, 26}};
}

// ---- Page 3, Week ------------------------------------------------------

struct WeekGeometry {
    PixelRect back, forward, date, oneWeek, fourWeeks;
};

inline WeekGeometry weekGeometry(int cw, int ch)
{
    const int half = cw / 2;
    return {{half - 80, ch - 54, 26, 16},
            {half + 56, ch - 54, 26, 16},
            {half - 45, ch - 55, 90, 20},
            {20, ch - 55, 80, 20},
            {100, ch - 55, 80, 20}};
}

// The radio button of the week count: 1 week checks 3051, 4 weeks 3052.
inline int weekRadioId(int weekViewWeeks)
{
    return 3051 + (weekViewWeeks - 1) / 3;
}

// The week the week view starts at when none is chosen yet: the week of the
// day view's entry, else of the log's last entry, else of today. Today goes
// the way of an entry's date, through a date text with a two-digit year in
// the log's date order, so that it lands in the same week numbering. With
// the grid shown (any count but one) the chosen week becomes the last of
// the four.
inline int initialWeekFirst(const LogStore& store, int dayEntry, int weekViewWeeks, const CalendarDate& today)
{
    int week = 0;
    if (dayEntry >= 0 && dayEntry < store.entryCount) {
        week = store.entry(static_cast<std::size_t>(dayEntry)).weekIndex;
    } else if (store.entryCount > 0) {
        week = store.entry(store.entryCount - 1u).weekIndex;
    } else {
        const DateFormat format = store.preferences.dateFormat();
        week = weekIndexOf(parseDate(formatDate(today, format), format), store.weekOrigin);
    }
    // Any count but one shows the grid of four weeks.
    if (weekViewWeeks != 1)
        week -= 3;
    return week;
}

// ---- Page 4, Totals ----------------------------------------------------

struct TotalsGeometry {
    PixelRect list, week, month, year;
    int rows = 0;
};

inline TotalsGeometry totalsGeometry(int pw, int ph)
{
    const int x0 = (pw - 536) / 2;
    const int listHeight = ph - 26;
    return {{x0 + 8, 24, 520, listHeight},
            {x0 - 8, 5, 40, 16},
            {x0 + 32, 5, 50, 16},
            {x0 + 82, 5, 40, 16},
            listRows(listHeight)};
}

inline int totalsRadioId(int totalPeriod)
{
    return 3060 + totalPeriod;
}

inline std::array<PaintedText, 5> totalsHeadings(int pw)
{
    const int m = ((pw - 16) - 520) / 2 + 8;
    return {{{"Sport", m + 150, 7},
             {"#", m + 260, 7},
             {"Hours", m + 300, 7},
             {"Distance", m + 360, 7},
             {"Avg. Pace", m + 440, 7}}};
}

// ---- Page 5, Graph -----------------------------------------------------

struct GraphGeometry {
    PixelRect date, back, forward, period, quantity, sport;
};

inline GraphGeometry graphGeometry(int cw, int ch)
{
    const int c = (cw - 100) / 2;
    return {{c + 15, ch - 55, 90, 20},     {c - 20, ch - 54, 26, 16},    {c + 115, ch - 54, 26, 16},
            {cw - 144, ch - 65, 104, 250}, {cw / 2 - 180, 10, 160, 250}, {cw / 2 + 10, 10, 130, 250}};
}

// A stored graph type that names a keyword the log no longer has falls back
// to "Time".
inline int correctedGraphType(int graphType, int keywordCount)
{
    return graphType > 4 && graphType - 5 >= keywordCount ? 0 : graphType;
}

// ---- Page 6, Select ----------------------------------------------------

// Every control of the Select page, in creation order.
inline std::array<ControlPlace, 27> selectPlaces(int cw)
{
    const int half = cw / 2;
    return {{{3041, {half - 205, 325, 205, 26}}, {3042, {half, 325, 205, 26}},       {3005, {15, 360, 100, 26}},
             {3007, {half - 270, 360, 100, 26}}, {3008, {half - 160, 360, 100, 26}}, {3006, {half - 50, 360, 100, 26}},
             {3009, {half + 60, 360, 100, 26}},  {3010, {half + 170, 360, 140, 26}}, {3024, {100, 17, 120, 24}},
             {3025, {270, 17, 120, 24}},         {3027, {100, 47, 150, 250}},        {3043, {100, 257, 300, 450}},
             {3040, {100, 292, 300, 450}},       {3026, {100, 77, 150, 250}},        {3032, {100, 107, 180, 250}},
             {3034, {290, 108, 80, 20}},         {3035, {400, 108, 80, 20}},         {3028, {100, 137, 180, 250}},
             {3030, {290, 138, 80, 20}},         {3031, {400, 138, 80, 20}},         {3036, {100, 167, 180, 250}},
             {3038, {290, 168, 80, 20}},         {3039, {400, 168, 80, 20}},         {3020, {100, 197, 150, 250}},
             {3021, {260, 197, 350, 20}},        {3022, {100, 227, 150, 250}},       {3023, {260, 228, 350, 20}}}};
}

inline constexpr std::array<const char*, 10> kSelectRowLabels = {
    "Date:", "Sport:", "Category:", "Distance:", "Time:", "Pace:", "Route:", "Comment:", "Keyword:", "Autofill:"};

// Row labels are right-aligned in this box; rows are 30 pixels apart.
inline PixelRect selectLabelBox(int row)
{
    return {5, 20 + 30 * row, 85, 18};
}

// ---- Texts kept in the log's lists ------------------------------------

// A keyword's label: the third tab-separated field of its first 63
// characters; empty when the text has fewer fields.
inline std::string keywordLabel(std::string_view text)
{
    std::string_view rest = text.substr(0, 63);
    for (int field = 0; field < 2; ++field) {
        const std::size_t tab = rest.find('\t');
        if (tab == std::string_view::npos)
            return {};
        rest.remove_prefix(tab + 1);
    }
    return std::string(rest.substr(0, rest.find('\t')));
}

// A memorized route's name: its text up to the first tab, at most 63 characters.
inline std::string routeName(std::string_view text)
{
    return std::string(text.substr(0, text.find('\t')).substr(0, 63));
}
