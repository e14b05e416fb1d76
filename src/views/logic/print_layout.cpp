#include "views/logic/print_layout.h"

const ColumnEdges& LogColumns::column(std::size_t i) const
{
    const std::array<const ColumnEdges*, kCount> all = {&date, &sport, &distance, &time, &pace, &route, &comment};
    return *all[i < kCount ? i : kCount - 1];
}

LogColumns logColumns(int dpiX, int pageWidth, const std::function<int(const char*)>& width)
{
    const int gap = dpiX / 10;
    const int mx = dpiX / 2;
    LogColumns c;
    std::array<ColumnEdges*, 5> fixed = {&c.date, &c.sport, &c.distance, &c.time, &c.pace};
    int x = mx + gap;
    for (std::size_t i = 0; i < fixed.size(); ++i) {
        *fixed[i] = {x, x + width(kLogColumnSamples[i])};
        x = fixed[i]->right + gap;
    }
    const int b = x;
    const int wr = (pageWidth - mx - b - 3 * dpiX / 20) / 2;
    c.route = {b, b + wr};
    c.comment = {b + wr + gap, pageWidth - mx - dpiX / 20};
    for (std::size_t i = 0; i < c.rules.size(); ++i)
        c.rules[i] = c.column(i).right + dpiX / 20;
    return c;
}

std::string_view totalsPeriodTitle(int totalPeriod)
{
    switch (totalPeriod) {
    case 1:
        return "   Month     ";
    case 2:
        return "    Year     ";
    default:
        return "    Week     ";
    }
}

bool startsTotalsBlock(std::string_view line)
{
    return line.substr(0, 6) != "      ";
}
