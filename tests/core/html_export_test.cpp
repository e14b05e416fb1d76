// The web page of the selected entries: its key of sports, red race rows and
// escaping of every text.

#include <gtest/gtest.h>

#include <string>

#include "core_test_support.h"
#include "log/html_export.h"

namespace {

using orvtest::addSport;
using orvtest::appendEntry;
using orvtest::makeEntry;
using orvtest::makeStore;

struct EscapeRow {
    const char* name;
    const char* text;
    const char* escaped;
};

void PrintTo(const EscapeRow& row, std::ostream* os)
{
    *os << row.name;
}

class EscapeHtmlTable : public ::testing::TestWithParam<EscapeRow> {};

TEST_P(EscapeHtmlTable, replacesTheFourMarkupCharacters)
{
    EXPECT_EQ(GetParam().escaped, escapeHtml(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Html, EscapeHtmlTable,
                         ::testing::Values(EscapeRow{"plain", "River loop", "River loop"},
                                           EscapeRow{"ampersand", "Fish & chips", "Fish &amp; chips"},
                                           EscapeRow{"angles", "<b>", "&lt;b&gt;"},
                                           EscapeRow{"quote", "\"fast\"", "&quot;fast&quot;"},
                                           EscapeRow{"entityIsEscapedAgain", "&amp;", "&amp;amp;"},
                                           EscapeRow{"apostropheKept", "Ann's run", "Ann's run"},
                                           EscapeRow{"latin1Kept", "Caf\xe9", "Caf\xe9"}, EscapeRow{"empty", "", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

class ComposeHtml : public ::testing::Test {
protected:
    void SetUp() override
    {
        addSport(*store, "Running", 'R', DistanceUnit::Miles, PaceUnit::MinPerMile);
        addSport(*store, "Rowing", 'W', DistanceUnit::Meters, PaceUnit::SecPer100Meters);
    }
    std::unique_ptr<LogStore> store = makeStore();
};

const std::string kKey =
    "<dl><dt><b>Key to Sport (S) and Pace columns:</b></dt><dd>R=Running (pace in mpm)</dd>\r\n"
    "<dd>W=Rowing (pace in \?\?\?)</dd>\r\n</dl>\r\n";
const std::string kTableHead =
    "<table border=3 cellpadding=4 cellspacing=0 align=left>\r\n"
    "<tr><th>Date</th><th>S</th><th>Dist.</th><th>Time</th><th>Pace</th><th>Route/Workout</th>"
    "<th>Comment</th></tr>\r\n";

TEST_F(ComposeHtml, titleIsEscapedInTheHeadAndTheHeading)
{
    EXPECT_EQ(
        "<html><head><title>Tom &amp; Jerry &lt;2004&gt;</title></head>\r\n"
        "<body><center><h1>Tom &amp; Jerry &lt;2004&gt;</h1></center>\r\n" +
            kKey + kTableHead + "</table></body></html>\r\n",
        composeHtml(*store, "Tom & Jerry <2004>"));
}

TEST_F(ComposeHtml, raceRowIsRedInEveryCellOtherRowsPlain)
{
    appendEntry(*store, makeEntry(*store, {"03/21/02", "RR", "10K", "42:10", "6:47", "City 10K", "PB"}));
    appendEntry(*store, makeEntry(*store, {"03/22/02", "IW", "2000m", "8:00", "", "", "\"hard\""}));
    const std::string red = "<td><font color=\"#ff0000\">";
    const std::string end = "</font></td>";
    const std::string expected =
        "<html><head><title>Log</title></head>\r\n<body><center><h1>Log</h1></center>\r\n" + kKey + kTableHead +
        "<tr>" + red + "03/21/02" + end + red + "R" + end + red + "10K" + end + red + "42:10" + end + red + "6:47" +
        end + red + "City 10K" + end + red + "PB" + end + "</tr>\r\n" +
        "<tr><td>03/22/02</td><td>W</td><td>2000m</td><td>8:00</td><td></td><td></td><td>&quot;hard&quot;</td>"
        "</tr>\r\n</table></body></html>\r\n";
    EXPECT_EQ(expected, composeHtml(*store, "Log"));
}

TEST_F(ComposeHtml, unselectedEntriesAreLeftOutUnlessAllAreAsked)
{
    appendEntry(*store, makeEntry(*store, {"03/21/02", "TR", "", "", "", "", "kept"}));
    appendEntry(*store, makeEntry(*store, {"03/22/02", "TR", "", "", "", "", "left out"}, false));
    const std::string selected = composeHtml(*store, "Log");
    EXPECT_NE(std::string::npos, selected.find("<td>kept</td>"));
    EXPECT_EQ(std::string::npos, selected.find("left out"));
    const std::string all = composeHtml(*store, "Log", false);
    EXPECT_NE(std::string::npos, all.find("<td>left out</td>"));
}

}  // namespace
