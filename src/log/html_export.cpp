#include "html_export.h"

std::string escapeHtml(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

namespace {

void appendRow(std::string& out, const LogEntry& entry)
{
    // Races stand out in red in every cell.
    const std::string_view open = entry.isRace() ? "<td><font color=\"#ff0000\">" : "<td>";
    const std::string_view close = entry.isRace() ? "</font></td>" : "</td>";
    auto cell = [&](std::string_view value) {
        out += open;
        out += escapeHtml(value);
        out += close;
    };
    out += "<tr>";
    cell(entry.dateText.view());
    cell(entry.kindSport.size() >= 2 ? entry.kindSport.view().substr(1, 1) : std::string_view());
    cell(entry.distanceText.view());
    cell(entry.timeText.view());
    cell(entry.paceText.view());
    cell(entry.routeText.view());
    cell(entry.commentText.view());
    out += "</tr>\r\n";
}

}  // namespace

std::string composeHtml(const LogStore& store, std::string_view title, bool selectedOnly)
{
    const std::string name = escapeHtml(title);
    std::string out;
    out.reserve(4096 + static_cast<std::size_t>(store.entryCount) * 200);
    out += "<html><head><title>" + name + "</title></head>\r\n";
    out += "<body><center><h1>" + name + "</h1></center>\r\n";
    out += "<dl><dt><b>Key to Sport (S) and Pace columns:</b></dt>";
    for (int i = 1; i <= store.sportCount; ++i) {
        const SportDef& sport = store.sports[i];
        out += "<dd>" + escapeHtml(std::string_view(&sport.letter, sport.letter ? 1 : 0)) + "=" +
               escapeHtml(sport.name.view());
        if (sport.paceUnits != PaceUnit::None)
            out += " (pace in " + std::string(paceUnitName(sport.paceUnits)) + ")";
        out += "</dd>\r\n";
    }
    out += "</dl>\r\n";
    out += "<table border=3 cellpadding=4 cellspacing=0 align=left>\r\n";
    out += "<tr><th>Date</th><th>S</th><th>Dist.</th><th>Time</th><th>Pace</th><th>Route/Workout</th>"
           "<th>Comment</th></tr>\r\n";
    for (int i = 0; i < store.entryCount; ++i)
        if (!selectedOnly || store.entry(i).selected == 1)
            appendRow(out, store.entry(i));
    out += "</table></body></html>\r\n";
    return out;
}
