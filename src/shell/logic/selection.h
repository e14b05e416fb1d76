#pragma once

// The Select page's rules, free of widgets: the criteria as the page holds
// them, reading them (normalising the typed values), matching entries with
// the tolerances, combining with the current selection, Clear, the fields
// that show, and the keyword and memorized-route fills. The page and the
// command-line tool both go through here.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "log/log_store.h"
#include "values/calendar.h"
#include "values/time_value.h"

// Operator positions of the distance and time lists (0: not set).
enum class NumberTest : int { None = 0, Approximately = 1, Exactly = 2, GreaterThan = 3, LessThan = 4, From = 5 };
// Operator positions of the pace list.
enum class PaceTest : int { None = 0, Approximately = 1, FasterThan = 2, SlowerThan = 3, From = 4 };
// Operator positions of the route and comment lists; Since is the comment's only.
enum class TextTest : int { None = 0, Exactly = 1, Contains = 2, Lacks = 3, Since = 4 };

// The lists' items, the empty "not set" item first.
inline constexpr std::array<const char*, 6> kNumberTestItems = {
    "", "Approximately Equal To", "Exactly Equal To", "Greater Than", "Less Than", "From"};
inline constexpr std::array<const char*, 5> kPaceTestItems = {"", "Approximately Equal To", "Faster Than",
                                                              "Slower Than", "From"};
inline constexpr std::array<const char*, 4> kRouteTestItems = {"", "Exactly Equal To", "Contains", "Doesn't Contain"};
inline constexpr std::array<const char*, 5> kCommentTestItems = {"", "Exactly Equal To", "Contains", "Doesn't Contain",
                                                                 "Since"};
inline constexpr std::array<const char*, 4> kCategoryItems = {"", "Training", "Intervals", "Race"};

inline constexpr const char* kPhraseNotFound = "Couldn't find that phrase";

// The criteria texts are read with at most this many characters.
inline constexpr std::size_t kCriteriaTextLength = 63;

// The criteria exactly as the page's controls hold them.
struct SelectCriteria {
    CalendarDate fromDate;  // the two date pickers
    CalendarDate toDate;
    int sport = 0;     // sport list position: 0 any, k sport k - 1
    int category = 0;  // 0 any, 1 Training, 2 Intervals, 3 Race
    NumberTest distanceTest = NumberTest::None;
    std::string distanceText;  // 3034
    std::string distanceTo;    // 3035, the upper bound of From
    NumberTest timeTest = NumberTest::None;
    std::string timeText;  // 3030
    std::string timeTo;    // 3031
    PaceTest paceTest = PaceTest::None;
    std::string paceText;  // 3038
    std::string paceTo;    // 3039
    TextTest routeTest = TextTest::None;
    std::string routeText;
    TextTest commentTest = TextTest::None;
    std::string commentText;
    int keyword = 0;  // keyword list position: 0 none, n keyword n - 1
    int route = 0;    // memorized-route list position: 0 none, n route n - 1
};

// The criteria read into numbers and lower-case texts, ready to match.
struct SelectionRule {
    std::uint32_t fromKey = 0;
    std::uint32_t toKey = 0;
    int sport = -1;        // sportIndex to match, -1 any
    char category = '\0';  // first letter of kindSport, '\0' any
    NumberTest distanceTest = NumberTest::None;
    float distanceLow = 0.0f;
    float distanceHigh = 0.0f;
    NumberTest timeTest = NumberTest::None;
    float timeLow = 0.0f;
    float timeHigh = 0.0f;
    PaceTest paceTest = PaceTest::None;  // None also when the chosen sport has no pace units
    float paceLow = 0.0f;                // reciprocals for the time-like pace units
    float paceHigh = 0.0f;
    DistanceUnit distanceUnits = DistanceUnit::None;  // the chosen sport's, for its paces
    PaceUnit paceUnits = PaceUnit::None;
    TextTest routeTest = TextTest::None;
    std::string route;  // lower case
    TextTest commentTest = TextTest::None;
    std::string comment;  // lower case
};

// Reading the criteria: the rule, and the criteria with the value fields
// in use rewritten in normalised form for the page to show again. Warnings
// of the time and decimal cleaners go to warn.
struct CriteriaReading {
    SelectionRule rule;
    SelectCriteria normalised;
};
CriteriaReading readCriteria(const SelectCriteria& criteria, const LogStore& store, const InputWarning& warn = {});

// An entry's pace in the given units as the totals compute it: 0 unless its
// time and distance are both above 0.
float entryPace(const LogEntry& entry, DistanceUnit distanceUnits, PaceUnit paceUnits);

// Every criterion of the rule that is set holds for the entry.
bool entryMatches(const LogEntry& entry, const SelectionRule& rule);

enum class SelectAction { Select, SelectMore, SelectFewer };

struct SelectResult {
    bool phraseFound = true;    // false: "Since" found nothing and the selection is unchanged
    int selectedCount = 0;      // entries selected afterwards
    SelectCriteria normalised;  // the criteria texts to write back to the page
};

// Select, Select More or Select Fewer over every entry of the store. With
// Select and the comment operator Since, the range starts at the last entry
// whose comment holds the phrase and the comment is not matched; More and
// Fewer ignore Since.
SelectResult runSelect(LogStore& store, const SelectCriteria& criteria, SelectAction action,
                       const InputWarning& warn = {});

// How many entries are selected.
int countSelected(const LogStore& store);

// Select All and Select Reverse; each gives the selected count.
int selectAllEntries(LogStore& store);
int reverseSelection(LogStore& store);

// The Day page's entry after a selection: stepped back while it is not
// selected, never below the first entry.
int dayEntryAfterSelect(const LogStore& store, int dayEntry);

// The page to show after a selection, and the return page it leaves behind:
// Totals when the chosen keyword is non-numeric or the comment asks Since.
// Not asked when Since found nothing: the page then stays.
struct PageAfterSelect {
    int returnPage = 1;
    int page = 1;
};
PageAfterSelect pageAfterSelect(const SelectCriteria& criteria, const LogStore& store, int returnPage);

// Clear: every list and operator to its empty item, every text emptied, the
// pickers on the first and the last entry's dates (kept from current when
// the log is empty).
SelectCriteria clearedCriteria(const LogStore& store, const SelectCriteria& current);
// The same from scratch, as the page starts.
SelectCriteria clearedCriteria(const LogStore& store);

// Which dependent controls show. The time operator and its first field
// always show.
struct SelectVisibility {
    bool distanceTest = false;  // 3032 and 3034
    bool distanceTo = false;    // 3035
    bool timeTo = false;        // 3031
    bool paceTest = false;      // 3036 and 3038
    bool paceTo = false;        // 3039
    friend bool operator==(const SelectVisibility&, const SelectVisibility&) = default;
};
SelectVisibility selectVisibility(const SelectCriteria& criteria, const LogStore& store);

// The chosen sport's units as the page paints them beside the distance and
// pace fields: "miles", "km", "yards", "meters" or nothing; the pace unit's
// short name. Both empty without a sport.
struct SelectUnitTexts {
    std::string distance;
    std::string pace;
};
SelectUnitTexts selectUnitTexts(const SelectCriteria& criteria, const LogStore& store);

// A keyword's kind digit says non-numeric: 3 or 7.
bool isNonNumericKeyword(std::string_view keywordText);

// Choosing keyword list position n: the comment criterion becomes Contains
// with the abbreviation, followed by "=" for a numeric keyword.
SelectCriteria fillFromKeyword(const SelectCriteria& criteria, const LogStore& store, int position);

// Choosing memorized-route list position n: category, sport (by its letter,
// through LogStore::resolveSportByLetter, so the form's current sport follows
// it), distance in the sport's units, time, route and comment as the route
// holds them. The route's pace is not used.
SelectCriteria fillFromMemorizedRoute(const SelectCriteria& criteria, LogStore& store, int position);
