#pragma once

// The Select page's criteria as options, shared by every command that acts
// on the selected entries (list, totals, export, graph, print):
//   --from D --to D --sport NAME --category Training|Intervals|Race
//   --distance "OP X [Y]" --time "OP X [Y]"   OP approx exact greater less from
//   --pace "OP X [Y]"                          OP approx faster slower from
//   --route "OP TEXT"                          OP exact contains lacks
//   --comment "OP TEXT"                        OP exact contains lacks since
//   --keyword LABEL --autofill NAME            fill criteria as the page's lists do

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "args.h"
#include "log/log_store.h"
#include "log/user_prompt.h"
#include "shell/logic/selection.h"

inline constexpr std::array<std::string_view, 11> kSelectionOptionNames = {
    "from", "to", "sport", "category", "distance", "time", "pace", "route", "comment", "keyword", "autofill"};

// The synopsis and the help lines of the options, for the commands' usage.
inline constexpr const char* kSelectionSynopsis = "[selection options]";
extern const char* const kSelectionHelp;

// One "OP X [Y]" or "OP TEXT" option as given; the texts already Latin-1.
template <class Test>
struct GivenTest {
    bool given = false;
    Test test{};
    std::string text;
    std::string upper;  // Y of from
};

// The selection options of one command line, checked for their form but not
// yet against a log.
struct SelectionOptions {
    std::optional<CalendarDate> from;
    std::optional<CalendarDate> to;
    std::optional<std::string> sport;  // a sport's name, Latin-1
    int category = 0;                  // 0 not given, 1 Training, 2 Intervals, 3 Race
    GivenTest<NumberTest> distance;
    GivenTest<NumberTest> time;
    GivenTest<PaceTest> pace;
    GivenTest<TextTest> route;
    GivenTest<TextTest> comment;
    std::optional<std::string> keyword;   // a keyword's label
    std::optional<std::string> autofill;  // a memorized route's name
};

// The date option name as YYYY-MM-DD, left alone when absent; false with the
// problem (a usage error) when malformed.
bool dateOption(const ParsedArgs& parsed, const std::string& name, std::optional<CalendarDate>& date,
                std::string& problem);

// Reads the options from the command line; false with the problem (a usage
// error) when one is malformed.
bool parseSelectionOptions(const ParsedArgs& parsed, SelectionOptions& options, std::string& problem);

// Selects in the store the entries that Select would select with these
// criteria, starting from every entry selected. kExitOk; kExitUsage with the
// problem for a sport, keyword or route the log lacks, or a distance or pace
// without the sport it needs; kExitFailed when "Since" found nothing (its
// message printed through prompt). Input warnings go through prompt too.
int applySelectionOptions(const SelectionOptions& options, LogStore& store, UserPrompt& prompt, std::string& problem);

// Both steps at once for a command whose log is open already: the options
// of the command line applied to the store, with the same exit statuses
// (a malformed option is kExitUsage too).
int selectFromArguments(const ParsedArgs& parsed, LogStore& store, UserPrompt& prompt, std::string& problem);

// The criteria these options give over the log, or the usage problem.
std::optional<SelectCriteria> criteriaFromOptions(const SelectionOptions& options, LogStore& store,
                                                  std::string& problem);
