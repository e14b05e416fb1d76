#include "shell/logic/selection.h"

#include <cstdio>
#include <utility>

#include "shell/logic/page_layout.h"
#include "shell/logic/shell_state.h"
#include "values/latin1_text.h"
#include "values/tab_fields.h"
#include "values/units.h"

namespace {

std::string lowerText(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        c = lowerLatin1(c);
    return lower;
}

std::string cutText(std::string_view text)
{
    return std::string(text.substr(0, kCriteriaTextLength));
}

// text, in lower case, equals lower (already lower case).
bool equalsLower(std::string_view text, std::string_view lower)
{
    if (text.size() != lower.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (lowerLatin1(text[i]) != lower[i])
            return false;
    return true;
}

bool containsLower(std::string_view text, std::string_view lower)
{
    if (lower.size() > text.size())
        return false;
    for (std::size_t start = 0; start + lower.size() <= text.size(); ++start)
        if (equalsLower(text.substr(start, lower.size()), lower))
            return true;
    return false;
}

bool textHolds(TextTest test, std::string_view text, std::string_view lower)
{
    switch (test) {
        case TextTest::Exactly:
            return equalsLower(text, lower);
        case TextTest::Contains:
            return containsLower(text, lower);
        case TextTest::Lacks:
            return !containsLower(text, lower);
        default:
            return true;
    }
}

// Plus or minus one per cent of the typed value, each bound a float.
bool nearlyEqual(float d, float x)
{
    return static_cast<float>(0.99 * x) <= d && d <= static_cast<float>(1.01 * x);
}

bool numberHolds(NumberTest test, float d, float x, float y)
{
    switch (test) {
        case NumberTest::Approximately:
            return nearlyEqual(d, x);
        case NumberTest::Exactly:
            return d == x;
        case NumberTest::GreaterThan:
            return d > x;
        case NumberTest::LessThan:
            return d > 0.0f && d < x;
        case NumberTest::From:
            return x < d && d <= y;
        default:
            return true;
    }
}

bool paceHolds(PaceTest test, float p, float x, float y)
{
    switch (test) {
        case PaceTest::Approximately:
            return nearlyEqual(p, x);
        case PaceTest::FasterThan:
            return p > x;
        case PaceTest::SlowerThan:
            return p > 0.0f && p < x;
        case PaceTest::From:
            return x <= p && p <= y;
        default:
            return true;
    }
}

float reciprocal(float x)
{
    return x != 0.0f ? static_cast<float>(1.0 / x) : x;
}

float readDecimal(std::string& text, const InputWarning& warn)
{
    cleanDecimal(text, warn);
    return readNumber(text);
}

// A pace field: a time for the time-like units (its reciprocal, so that a
// larger value is faster), a number for the others.
float readPace(std::string& text, PaceUnit unit, const InputWarning& warn)
{
    if (paceIsTime(unit))
        return reciprocal(parseTime(text, true, warn));
    return readDecimal(text, warn);
}

// The sport the sport list's position names, or -1 for none or a position
// past the list.
int chosenSport(const SelectCriteria& criteria, const LogStore& store)
{
    const int sport = criteria.sport - 1;
    return sport >= 0 && sport <= store.sportCount ? sport : -1;
}

// "Since": the last entry whose comment holds the phrase, or -1.
int lastEntryWithPhrase(const LogStore& store, std::string_view lowerPhrase)
{
    for (int i = store.entryCount - 1; i >= 0; --i)
        if (containsLower(store.entry(static_cast<std::size_t>(i)).commentText.view(), lowerPhrase))
            return i;
    return -1;
}

}  // namespace

CriteriaReading readCriteria(const SelectCriteria& criteria, const LogStore& store, const InputWarning& warn)
{
    CriteriaReading reading{{}, criteria};
    SelectionRule& rule = reading.rule;
    SelectCriteria& fields = reading.normalised;
    rule.fromKey = dateKeyOf(criteria.fromDate);
    rule.toKey = dateKeyOf(criteria.toDate);
    const int sport = chosenSport(criteria, store);
    rule.sport = sport;
    if (sport >= 0) {
        rule.distanceUnits = store.sports[sport].distanceUnits;
        rule.paceUnits = store.sports[sport].paceUnits;
    }
    if (criteria.category >= 1 && criteria.category <= 3)
        rule.category = "TIR"[criteria.category - 1];

    rule.timeTest = criteria.timeTest;
    if (rule.timeTest != NumberTest::None) {
        fields.timeText = cutText(criteria.timeText);
        rule.timeLow = parseTime(fields.timeText, true, warn);
        if (rule.timeTest == NumberTest::From) {
            fields.timeTo = cutText(criteria.timeTo);
            rule.timeHigh = parseTime(fields.timeTo, true, warn);
        }
    }
    rule.distanceTest = criteria.distanceTest;
    if (rule.distanceTest != NumberTest::None) {
        fields.distanceText = cutText(criteria.distanceText);
        rule.distanceLow = readDecimal(fields.distanceText, warn);
        if (rule.distanceTest == NumberTest::From) {
            fields.distanceTo = cutText(criteria.distanceTo);
            rule.distanceHigh = readDecimal(fields.distanceTo, warn);
        }
    }
    if (criteria.paceTest != PaceTest::None) {
        fields.paceText = cutText(criteria.paceText);
        rule.paceLow = readPace(fields.paceText, rule.paceUnits, warn);
        if (criteria.paceTest == PaceTest::From) {
            fields.paceTo = cutText(criteria.paceTo);
            rule.paceHigh = readPace(fields.paceTo, rule.paceUnits, warn);
            // The reciprocals turn a range typed faster pace first upside
            // down; taking the smaller as the lower bound also serves a range
            // typed slower pace first, which would otherwise match nothing.
            if (paceIsTime(rule.paceUnits) && rule.paceLow > rule.paceHigh)
                std::swap(rule.paceLow, rule.paceHigh);
        }
        // A pace means something only in the units of one chosen sport.
        if (sport >= 0 && rule.paceUnits != PaceUnit::None)
            rule.paceTest = criteria.paceTest;
    }
    rule.routeTest = criteria.routeTest == TextTest::Since ? TextTest::None : criteria.routeTest;
    rule.route = lowerText(cutText(criteria.routeText));
    rule.commentTest = criteria.commentTest;
    rule.comment = lowerText(cutText(criteria.commentText));
    return reading;
}

float entryPace(const LogEntry& entry, DistanceUnit distanceUnits, PaceUnit paceUnits)
{
    if (!(entry.minutes > 0.0f && entry.distance > 0.0f))
        return 0.0f;
    return paceFromTime(entry.minutes, entry.distance, distanceUnits, paceUnits);
}

bool entryMatches(const LogEntry& entry, const SelectionRule& rule)
{
    if (entry.dateKey < rule.fromKey || entry.dateKey > rule.toKey)
        return false;
    if (rule.sport >= 0 && entry.sportIndex != rule.sport)
        return false;
    if (rule.category != '\0' && entry.kindSport[0] != rule.category)
        return false;
    if (!numberHolds(rule.distanceTest, entry.distance, rule.distanceLow, rule.distanceHigh))
        return false;
    if (!numberHolds(rule.timeTest, entry.minutes, rule.timeLow, rule.timeHigh))
        return false;
    if (rule.paceTest != PaceTest::None) {
        float p = entryPace(entry, rule.distanceUnits, rule.paceUnits);
        if (paceIsTime(rule.paceUnits))
            p = reciprocal(p);
        if (!paceHolds(rule.paceTest, p, rule.paceLow, rule.paceHigh))
            return false;
    }
    return textHolds(rule.routeTest, entry.routeText.view(), rule.route) &&
           textHolds(rule.commentTest, entry.commentText.view(), rule.comment);
}

SelectResult runSelect(LogStore& store, const SelectCriteria& criteria, SelectAction action, const InputWarning& warn)
{
    CriteriaReading reading = readCriteria(criteria, store, warn);
    SelectResult result;
    result.normalised = std::move(reading.normalised);
    SelectionRule& rule = reading.rule;
    if (rule.commentTest == TextTest::Since) {
        rule.commentTest = TextTest::None;
        if (action == SelectAction::Select) {
            const int found = lastEntryWithPhrase(store, rule.comment);
            if (found < 0) {
                result.phraseFound = false;
                result.selectedCount = countSelected(store);
                return result;
            }
            rule.fromKey = store.entry(static_cast<std::size_t>(found)).dateKey;
        }
    }
    int count = 0;
    for (std::size_t i = 0; i < store.entryCount; ++i) {
        LogEntry& entry = store.entry(i);
        const bool old = entry.selected != 0;
        bool now = false;
        switch (action) {
            case SelectAction::Select:
                now = entryMatches(entry, rule);
                break;
            case SelectAction::SelectMore:
                now = old || entryMatches(entry, rule);
                break;
            case SelectAction::SelectFewer:
                now = old && entryMatches(entry, rule);
                break;
        }
        entry.selected = now ? 1 : 0;
        count += now ? 1 : 0;
    }
    result.selectedCount = count;
    return result;
}

int selectAllEntries(LogStore& store)
{
    store.selectAll();
    return store.entryCount;
}

int countSelected(const LogStore& store)
{
    int count = 0;
    for (std::size_t i = 0; i < store.entryCount; ++i)
        count += store.entry(i).selected != 0 ? 1 : 0;
    return count;
}

int reverseSelection(LogStore& store)
{
    for (std::size_t i = 0; i < store.entryCount; ++i) {
        LogEntry& entry = store.entry(i);
        entry.selected = entry.selected != 0 ? 0 : 1;
    }
    return countSelected(store);
}

int dayEntryAfterSelect(const LogStore& store, int dayEntry)
{
    if (dayEntry >= store.entryCount)
        dayEntry = store.entryCount - 1;
    while (dayEntry > 0 && store.entry(static_cast<std::size_t>(dayEntry)).selected == 0)
        --dayEntry;
    return dayEntry;
}

bool isNonNumericKeyword(std::string_view keywordText)
{
    const std::string_view kind = fieldsOf<1>(keywordText.substr(0, 63))[0];
    int value = 0;
    for (std::size_t i = 0; i < kind.size() && kind[i] >= '0' && kind[i] <= '9' && value < 100000; ++i)
        value = value * 10 + (kind[i] - '0');
    return value == 3 || value == 7;
}

PageAfterSelect pageAfterSelect(const SelectCriteria& criteria, const LogStore& store, int returnPage)
{
    const int keyword = criteria.keyword - 1;
    const bool nonNumeric =
        keyword >= 0 && keyword < store.keywordCount && isNonNumericKeyword(store.keywords[keyword].text.view());
    if (nonNumeric || criteria.commentTest == TextTest::Since)
        returnPage = static_cast<int>(PageIndex::Totals);
    return {returnPage, returnPage};
}

SelectCriteria clearedCriteria(const LogStore& store, const SelectCriteria& current)
{
    SelectCriteria cleared;
    cleared.fromDate = current.fromDate;
    cleared.toDate = current.toDate;
    if (store.entryCount > 0) {
        const DateFormat format = store.preferences.dateFormat();
        cleared.fromDate = parseDate(store.entry(0).dateText.view(), format);
        cleared.toDate = parseDate(store.entry(store.entryCount - 1u).dateText.view(), format);
    }
    return cleared;
}

SelectCriteria clearedCriteria(const LogStore& store)
{
    return clearedCriteria(store, SelectCriteria{});
}

SelectVisibility selectVisibility(const SelectCriteria& criteria, const LogStore& store)
{
    SelectVisibility shown;
    const int sport = chosenSport(criteria, store);
    const bool paced = sport >= 0 && store.sports[sport].paceUnits != PaceUnit::None;
    shown.distanceTest = sport >= 0;
    shown.distanceTo = shown.distanceTest && criteria.distanceTest == NumberTest::From;
    shown.timeTo = criteria.timeTest == NumberTest::From;
    shown.paceTest = paced;
    shown.paceTo = paced && criteria.paceTest == PaceTest::From;
    return shown;
}

SelectUnitTexts selectUnitTexts(const SelectCriteria& criteria, const LogStore& store)
{
    const int sport = chosenSport(criteria, store);
    if (sport < 0)
        return {};
    const SportDef& def = store.sports[sport];
    SelectUnitTexts texts;
    texts.distance = distanceUnitWord(def.distanceUnits);
    if (def.paceUnits != PaceUnit::None)
        texts.pace = paceUnitName(def.paceUnits);
    return texts;
}

SelectCriteria fillFromKeyword(const SelectCriteria& criteria, const LogStore& store, int position)
{
    SelectCriteria filled = criteria;
    filled.keyword = position;
    const int keyword = position - 1;
    if (keyword < 0 || keyword >= store.keywordCount)
        return filled;
    const std::string_view text = store.keywords[keyword].text.view();
    filled.commentTest = TextTest::Contains;
    filled.commentText = std::string(fieldsOf<2>(text.substr(0, 63))[1]);
    if (!isNonNumericKeyword(text))
        filled.commentText += '=';
    return filled;
}

SelectCriteria fillFromMemorizedRoute(const SelectCriteria& criteria, LogStore& store, int position)
{
    SelectCriteria filled = criteria;
    filled.route = position;
    const int route = position - 1;
    if (route < 0 || route >= store.routeCount)
        return filled;
    const auto fields = fieldsOf<7>(store.routes[route].text.view());
    const std::string_view letters = fields[1];
    const char kind = letters.empty() ? '\0' : letters[0];
    filled.category = 1 + (kind == 'R' ? 2 : kind == 'I' ? 1 : 0);
    filled.sport = letters.size() >= 2 ? store.resolveSportByLetter(letters[1]) + 1 : 0;

    const int sport = chosenSport(filled, store);
    const std::string_view distance = fields[2];
    if (!distance.empty() && sport > 0 && store.sports[sport].distanceUnits != DistanceUnit::None) {
        const DistanceUnit from = unitFromSuffix(distance.back());
        float x = readNumber(distance);
        if (from != DistanceUnit::None)
            x = fromMiles(toMiles(x, from), store.sports[sport].distanceUnits);
        char text[64];
        std::snprintf(text, sizeof text, "%.2f", static_cast<double>(x));
        filled.distanceText = text;
        filled.distanceTest = NumberTest::Approximately;
    }
    if (!fields[3].empty()) {
        filled.timeTest = NumberTest::Approximately;
        filled.timeText = fields[3];
    }
    if (!fields[5].empty()) {
        filled.routeTest = TextTest::Contains;
        filled.routeText = fields[5];
    }
    if (!fields[6].empty()) {
        filled.commentTest = TextTest::Contains;
        filled.commentText = fields[6];
    }
    return filled;
}
