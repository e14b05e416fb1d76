#include "views/logic/totals.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <numeric>

#include "values/time_value.h"

namespace {

// The columns of the report: label, sport, count, hours, distance, pace.
// Month blocks of the Month report put their label on the left.
constexpr const char* kSportLine = "%10s   %-16s  %3d  %6.1f  %8.1f  %8s ";
constexpr const char* kSportLineLeft = "%-10s   %-16s  %3d  %6.1f  %8.1f  %8s ";
constexpr const char* kTotalLine = "%10s              Total  %3d  %6.1f                     ";
constexpr const char* kTotalLineLeft = "%-10s              Total  %3d  %6.1f                     ";
constexpr const char* kYearLabel = "  %d  ";

constexpr std::size_t kSportSlots = LogStore::kMaxSports + 1;
using SportSums = std::array<SportTotals, kSportSlots>;

int yearOf(const LogEntry& entry)
{
    return static_cast<int>(entry.dateKey / 10000) + 1900;
}

std::string yearLabel(int year)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, kYearLabel, year);
    return buffer;
}

// How a block is written.
struct BlockStyle {
    bool labelLeft = false;    // the month blocks of the Month report
    bool totalAlways = false;  // ... whose total line stands even at a count of 0
};

class Report {
public:
    Report(const LogStore& store, std::vector<TotalsLine>& lines) : m_store(store), m_lines(lines)
    {
        for (std::size_t s = 0; s <= store.sportCount && s < kSportSlots; ++s)
            m_multiSport[s] = isMultiSport(store.sports[s]);
    }

    SportSums period{};
    SportSums year{};

    void add(const LogEntry& entry)
    {
        if (entry.selected == 0 || entry.sportIndex >= kSportSlots || entry.sportIndex > m_store.sportCount ||
            m_multiSport[entry.sportIndex])
            return;
        for (SportSums* sums : {&period, &year}) {
            SportTotals& t = (*sums)[entry.sportIndex];
            if (entry.minutes != 0.0f || entry.distance != 0.0f)
                ++t.count;
            t.minutes += entry.minutes;
            t.distance += entry.distance;
            if (entry.minutes > 0.0f && entry.distance > 0.0f) {
                t.pacedMinutes += entry.minutes;
                t.pacedDistance += entry.distance;
            }
        }
    }

    void writeBlock(const SportSums& sums, const std::string& label, std::uint16_t tag, BlockStyle style)
    {
        int sportLines = 0;
        int countSum = 0;
        float hoursSum = 0.0f;
        char buffer[256];
        for (std::size_t s = 1; s <= m_store.sportCount && s < kSportSlots; ++s) {
            const SportTotals& t = sums[s];
            if (t.count <= 0 || m_multiSport[s])
                continue;
            const SportDef& sport = m_store.sports[s];
            const float hours = t.minutes / 60.0f;
            std::snprintf(buffer, sizeof buffer, style.labelLeft ? kSportLineLeft : kSportLine,
                          sportLines == 0 ? label.c_str() : "", sport.name.c_str(), t.count, static_cast<double>(hours),
                          static_cast<double>(t.distance), totalsPaceText(sport, t).c_str());
            m_lines.push_back({buffer, tag});
            ++sportLines;
            countSum += t.count;
            hoursSum += hours;
        }
        if (sportLines == 1 || (!style.totalAlways && countSum <= 0))
            return;
        std::snprintf(buffer, sizeof buffer, style.labelLeft ? kTotalLineLeft : kTotalLine,
                      sportLines == 0 ? label.c_str() : "", countSum, static_cast<double>(hoursSum));
        m_lines.push_back({buffer, tag});
    }

private:
    const LogStore& m_store;
    std::vector<TotalsLine>& m_lines;
    std::array<bool, kSportSlots> m_multiSport{};
};

// The entries in the order the report visits them: by week or month number,
// and in log order within one. A log in date order is that order already.
template <class Key>
std::vector<int> visitOrder(const LogStore& store, Key key)
{
    std::vector<int> order(store.entryCount);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return key(store.entry(a)) < key(store.entry(b)); });
    return order;
}

void weekReport(const LogStore& store, Report& report)
{
    auto week = [](const LogEntry& e) { return static_cast<int>(e.weekIndex); };
    const std::vector<int> order = visitOrder(store, week);
    const int firstWeek = week(store.entry(0));
    const int lastWeek = week(store.entry(store.entryCount - 1u));
    const DateFormat format = store.preferences.dateFormat();
    int yearInProgress = yearOf(store.entry(0));
    std::size_t next = 0;
    while (next < order.size() && week(store.entry(order[next])) < firstWeek)
        ++next;
    for (int w = firstWeek; w <= lastWeek; ++w) {
        report.period = {};
        bool any = false;
        for (; next < order.size() && week(store.entry(order[next])) == w; ++next) {
            const LogEntry& entry = store.entry(order[next]);
            // A week across 1 January: the old year is summed up before the
            // week's own lines, which hold entries of both years.
            if (yearOf(entry) != yearInProgress) {
                report.writeBlock(report.year, yearLabel(yearInProgress), 0, {});
                report.year = {};
                yearInProgress = yearOf(entry);
            }
            report.add(entry);
            any = true;
        }
        if (any)
            report.writeBlock(report.period, formatDate(weekFirstDay(w, store.weekOrigin), format),
                              static_cast<std::uint16_t>(w), {});
    }
    report.writeBlock(report.year, yearLabel(yearInProgress), 0, {});
}

void monthReport(const LogStore& store, Report& report, bool monthLines, const MonthLabel& monthLabel)
{
    auto month = [](const LogEntry& e) { return static_cast<int>(e.monthIndex); };
    const std::vector<int> order = visitOrder(store, month);
    const int firstMonth = month(store.entry(0));
    const int lastMonth = month(store.entry(store.entryCount - 1u));
    std::size_t next = 0;
    while (next < order.size() && month(store.entry(order[next])) < firstMonth)
        ++next;
    auto writeYear = [&](int m) {
        const int year = 1900 + m / 12;
        report.writeBlock(report.year, yearLabel(year), monthLines ? 0 : static_cast<std::uint16_t>(year), {});
        report.year = {};
    };
    for (int m = firstMonth; m <= lastMonth; ++m) {
        report.period = {};
        for (; next < order.size() && month(store.entry(order[next])) == m; ++next)
            report.add(store.entry(order[next]));
        if (monthLines) {
            const std::string label =
                monthLabel ? monthLabel(1900 + m / 12, m % 12 + 1) : englishMonthLabel(1900 + m / 12, m % 12 + 1);
            report.writeBlock(report.period, label, static_cast<std::uint16_t>(m), {true, true});
        }
        if ((m + 1) % 12 == 0)
            writeYear(m);
    }
    if (lastMonth >= firstMonth && (lastMonth + 1) % 12 != 0)
        writeYear(lastMonth);
}

}  // namespace

std::string englishMonthLabel(int year, int month)
{
    static constexpr const char* kMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "   %s %02d", kMonths[(month + 11) % 12], ((year % 100) + 100) % 100);
    return buffer;
}

bool isMultiSport(const SportDef& sport)
{
    const std::string_view name = sport.name.view();
    return name.find("athlon") != std::string_view::npos || name.find("atlon") != std::string_view::npos;
}

std::string totalsPaceText(const SportDef& sport, const SportTotals& sums)
{
    if (sport.paceUnits == PaceUnit::None)
        return {};
    const float pace = sums.pacedDistance == 0.0f
                           ? 0.0f
                           : paceFromTime(sums.pacedMinutes, sums.pacedDistance, sport.distanceUnits, sport.paceUnits);
    if (paceIsTime(sport.paceUnits))
        return formatTime(pace);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%0.1f", static_cast<double>(pace));
    return buffer;
}

std::vector<TotalsLine> buildTotals(const LogStore& store, TotalPeriod period, const MonthLabel& monthLabel)
{
    std::vector<TotalsLine> lines;
    if (store.entryCount == 0)
        return lines;
    Report report(store, lines);
    switch (period) {
        case TotalPeriod::Month:
            monthReport(store, report, true, monthLabel);
            break;
        case TotalPeriod::Year:
            monthReport(store, report, false, monthLabel);
            break;
        case TotalPeriod::Week:
        default:
            weekReport(store, report);
            break;
    }
    return lines;
}
