#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string_view>

// The measures of the printed tables that need no device: the log table's
// columns from the widths of their sample texts, and the totals' shading.

// A column's left and right edge in device pixels.
struct ColumnEdges {
    int left = 0;
    int right = 0;
    int width() const { return right - left; }
};

// The texts the log table's first five columns are as wide as.
inline constexpr std::array<const char*, 5> kLogColumnSamples = {"We 05/24/99", "W", "999999Y", "22:55:55",
                                                                 "2:55:55"};
// The titles over the seven columns; the sport letter has none.
inline constexpr std::array<const char*, 7> kLogColumnTitles = {"Date", "",      "Dist.",        "Time",
                                                                "Pace", "Route/Workout", "Comment"};

struct LogColumns {
    static constexpr std::size_t kCount = 7;
    ColumnEdges date;
    ColumnEdges sport;
    ColumnEdges distance;
    ColumnEdges time;
    ColumnEdges pace;
    ColumnEdges route;
    ColumnEdges comment;
    std::array<int, 6> rules{};  // x of the rules after the first six columns

    const ColumnEdges& column(std::size_t i) const;
};

// The columns of a page pageWidth wide at dpiX; width measures a sample text
// in the table's normal font. Each column is followed by a gap of dpiX/10,
// the rules stand in the middle of the gaps, and route and comment share
// what is left right of the pace.
LogColumns logColumns(int dpiX, int pageWidth, const std::function<int(const char*)>& width);

// The totals table's column titles by period: "    Week     ", "   Month     "
// or "    Year     ", then the sport columns' titles.
std::string_view totalsPeriodTitle(int totalPeriod);
inline constexpr const char* kTotalsColumnTitles = "  Sport            #    Hours      Dist     Pace";

// A totals line that does not begin with six blanks starts a block.
bool startsTotalsBlock(std::string_view line);
