#include "csv_export.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "values/latin1_text.h"

namespace {

struct UnitColumn {
    const char* name;
    double metres;
};

UnitColumn unitColumn(DistanceUnit unit)
{
    switch (unit) {
        case DistanceUnit::Miles:
            return {"mi", 1609.344};
        case DistanceUnit::Kilometers:
            return {"km", 1000.0};
        case DistanceUnit::Yards:
            return {"yd", 0.9144};
        case DistanceUnit::Meters:
            return {"m", 1.0};
        default:
            return {"", 0.0};
    }
}

void addField(std::string& row, std::string_view latin1, bool first = false)
{
    if (!first)
        row += ',';
    const std::string text = latin1ToUtf8(latin1);
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        row += text;
        return;
    }
    row += '"';
    for (const char c : text) {
        if (c == '"')
            row += '"';
        row += c;
    }
    row += '"';
}

std::string categoryOf(const LogEntry& entry)
{
    switch (entry.kindSport[0]) {
        case 'I':
            return "Intervals";
        case 'R':
            return "Race";
        default:
            return "Training";
    }
}

}  // namespace

std::string csvExportText(const LogStore& store)
{
    std::string out = std::string(kCsvHeader) + "\r\n";
    for (std::size_t i = 0; i < store.entryCount; ++i) {
        const LogEntry& entry = store.entry(i);
        if (entry.selected == 0)
            continue;
        std::string row;
        char buffer[64];
        const int year = static_cast<int>(entry.dateKey / 10000) + 1900;
        std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", year, static_cast<int>(entry.dateKey / 100 % 100),
                      static_cast<int>(entry.dateKey % 100));
        addField(row, buffer, true);
        addField(row, store.sports[entry.sportIndex <= store.sportCount ? entry.sportIndex : 0].name.view());
        addField(row, categoryOf(entry));

        // The distance's number as its text holds it, without "~" and letter.
        std::string_view distance = entry.distanceText.view();
        if (!distance.empty() && distance.front() == '~')
            distance.remove_prefix(1);
        DistanceUnit unit = DistanceUnit::None;
        if (!distance.empty() && unitFromSuffix(distance.back()) != DistanceUnit::None) {
            unit = unitFromSuffix(distance.back());
            distance.remove_suffix(1);
        } else {
            unit = store.unitsOf(entry.sportIndex).distanceUnits;
        }
        addField(row, distance);
        const UnitColumn column = unitColumn(unit);
        addField(row, column.name);
        std::string metres;
        if (!distance.empty() && column.metres > 0.0) {
            std::snprintf(buffer, sizeof buffer, "%.1f",
                          std::strtod(std::string(distance).c_str(), nullptr) * column.metres);
            metres = buffer;
        }
        addField(row, metres);

        addField(row, entry.timeText.view());
        std::string seconds;
        if (!entry.timeText.empty()) {
            std::snprintf(buffer, sizeof buffer, "%lld", std::llround(static_cast<double>(entry.minutes) * 60.0));
            seconds = buffer;
        }
        addField(row, seconds);
        addField(row, entry.paceText.view());
        addField(row, entry.routeText.view());
        addField(row, entry.commentText.view());
        out += row;
        out += "\r\n";
    }
    return out;
}
