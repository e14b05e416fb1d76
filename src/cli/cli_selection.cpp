#include "cli_selection.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "commands.h"
#include "log/messages.h"
#include "shell/logic/page_layout.h"
#include "values/latin1_text.h"

const char* const kSelectionHelp =
    "Selection options (the Select page's criteria; the command acts on the\n"
    "entries Select would select, starting from every entry selected):\n"
    "  --from D, --to D      the date range (default: the first and the last entry)\n"
    "  --sport NAME          a sport's name as the sports list shows it\n"
    "  --category C          Training, Intervals or Race\n"
    "  --distance \"OP X [Y]\" OP approx, exact, greater, less or from (Y only with\n"
    "  --time \"OP X [Y]\"     from); --distance needs --sport\n"
    "  --pace \"OP X [Y]\"     OP approx, faster, slower or from; needs --sport naming\n"
    "                        a sport with pace units\n"
    "  --route \"OP TEXT\"     OP exact, contains or lacks (letter case aside)\n"
    "  --comment \"OP TEXT\"   OP exact, contains, lacks or since\n"
    "  --keyword LABEL       fill the criteria as choosing that keyword does\n"
    "  --autofill NAME       fill them as choosing that memorized route does;\n"
    "                        the options given beside these two override them\n"
    "Values are read as the Select page reads them (1 per cent either way for\n"
    "approx). \"since\" starts the range at the last entry whose comment holds TEXT\n"
    "and exits 1 when there is none.\n";

namespace {

template <class Test>
struct OperatorWord {
    std::string_view word;
    Test test;
};

constexpr OperatorWord<NumberTest> kNumberWords[] = {{"approx", NumberTest::Approximately},
                                                     {"exact", NumberTest::Exactly},
                                                     {"greater", NumberTest::GreaterThan},
                                                     {"less", NumberTest::LessThan},
                                                     {"from", NumberTest::From}};
constexpr OperatorWord<PaceTest> kPaceWords[] = {{"approx", PaceTest::Approximately},
                                                 {"faster", PaceTest::FasterThan},
                                                 {"slower", PaceTest::SlowerThan},
                                                 {"from", PaceTest::From}};
constexpr OperatorWord<TextTest> kRouteWords[] = {
    {"exact", TextTest::Exactly}, {"contains", TextTest::Contains}, {"lacks", TextTest::Lacks}};
constexpr OperatorWord<TextTest> kCommentWords[] = {{"exact", TextTest::Exactly},
                                                    {"contains", TextTest::Contains},
                                                    {"lacks", TextTest::Lacks},
                                                    {"since", TextTest::Since}};

constexpr const char* kNumberWordList = "approx, exact, greater, less or from";
constexpr const char* kPaceWordList = "approx, faster, slower or from";
constexpr const char* kRouteWordList = "exact, contains or lacks";
constexpr const char* kCommentWordList = "exact, contains, lacks or since";

std::vector<std::string> words(std::string_view text)
{
    std::vector<std::string> found;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i] == ' ')
            ++i;
        const std::size_t start = i;
        while (i < text.size() && text[i] != ' ')
            ++i;
        if (i > start)
            found.emplace_back(text.substr(start, i - start));
    }
    return found;
}

template <class Test, std::size_t N>
std::optional<Test> operatorOf(std::string_view word, const OperatorWord<Test> (&known)[N])
{
    for (const OperatorWord<Test>& candidate : known)
        if (candidate.word == word)
            return candidate.test;
    return std::nullopt;
}

// The option's value in Latin-1, or nothing when absent. False with the
// problem when the value has a character Latin-1 lacks.
bool latin1Option(const ParsedArgs& parsed, std::string_view name, std::optional<std::string>& value,
                  std::string& problem)
{
    auto it = parsed.options.find(std::string(name));
    if (it == parsed.options.end())
        return true;
    std::string missing;
    value = utf8ToLatin1(it->second, missing);
    if (!value)
        problem = "'" + missing + "' has no place in a log's texts (Latin-1)";
    return value.has_value();
}

// "OP X [Y]", Y only with from (and needed there).
template <class Test, std::size_t N>
bool valueTest(const ParsedArgs& parsed, std::string_view name, const OperatorWord<Test> (&known)[N],
               const char* wordList, Test from, GivenTest<Test>& given, std::string& problem)
{
    std::optional<std::string> value;
    if (!latin1Option(parsed, name, value, problem))
        return false;
    if (!value)
        return true;
    const std::vector<std::string> parts = words(*value);
    const std::string shape = "--" + std::string(name) + " wants \"OP X [Y]\" with OP " + wordList +
                              " (Y only with from), not '" + *value + "'";
    const std::optional<Test> test = parts.empty() ? std::nullopt : operatorOf(parts[0], known);
    const std::size_t wanted = test == from ? 3 : 2;
    if (!test || parts.size() != wanted) {
        problem = shape;
        return false;
    }
    given.given = true;
    given.test = *test;
    given.text = parts[1];
    if (wanted == 3)
        given.upper = parts[2];
    return true;
}

// "OP TEXT": TEXT is what follows the operator word and one space.
template <std::size_t N>
bool textTest(const ParsedArgs& parsed, std::string_view name, const OperatorWord<TextTest> (&known)[N],
              const char* wordList, GivenTest<TextTest>& given, std::string& problem)
{
    std::optional<std::string> value;
    if (!latin1Option(parsed, name, value, problem))
        return false;
    if (!value)
        return true;
    const std::size_t space = value->find(' ');
    const std::optional<TextTest> test = operatorOf(std::string_view(*value).substr(0, space), known);
    if (!test) {
        problem = "--" + std::string(name) + " wants \"OP TEXT\" with OP " + wordList + ", not '" + *value + "'";
        return false;
    }
    given.given = true;
    given.test = *test;
    given.text = space == std::string::npos ? std::string() : value->substr(space + 1);
    return true;
}

bool categoryOption(const ParsedArgs& parsed, int& category, std::string& problem)
{
    auto it = parsed.options.find("category");
    if (it == parsed.options.end())
        return true;
    for (int i = 1; i < static_cast<int>(kCategoryItems.size()); ++i)
        if (it->second == kCategoryItems[static_cast<std::size_t>(i)])
            category = i;
    if (category == 0)
        problem = "--category is Training, Intervals or Race, not '" + it->second + "'";
    return category != 0;
}

// List positions (item 0 is the empty one) by name; 0 when unknown.
int sportPosition(const LogStore& store, std::string_view name)
{
    for (int s = 0; s <= store.sportCount; ++s)
        if (store.sports[s].name.view() == name)
            return s + 1;
    return 0;
}

int keywordPosition(const LogStore& store, std::string_view label)
{
    for (int k = 0; k < store.keywordCount; ++k)
        if (keywordLabel(store.keywords[k].text.view()) == label)
            return k + 1;
    return 0;
}

int routePosition(const LogStore& store, std::string_view name)
{
    for (int r = 0; r < store.routeCount; ++r)
        if (routeName(store.routes[r].text.view()) == name)
            return r + 1;
    return 0;
}

template <class Test>
void overrideTest(const GivenTest<Test>& given, Test& test, std::string& text, std::string* upper)
{
    if (!given.given)
        return;
    test = given.test;
    text = given.text;
    if (upper != nullptr)
        *upper = given.upper;
}

// The dates the range takes by default: those of the first and the last
// entry, as Clear sets the pickers, widened to the earliest and the latest
// date of a log read out of order, so that no entry drops out unasked.
void defaultRange(const LogStore& store, SelectCriteria& criteria)
{
    if (store.entryCount == 0)
        return;
    std::uint32_t first = dateKeyOf(criteria.fromDate);
    std::uint32_t last = dateKeyOf(criteria.toDate);
    for (std::size_t i = 0; i < store.entryCount; ++i) {
        first = std::min(first, store.entry(i).dateKey);
        last = std::max(last, store.entry(i).dateKey);
    }
    criteria.fromDate = dateFromKey(first);
    criteria.toDate = dateFromKey(last);
}

}  // namespace

bool dateOption(const ParsedArgs& parsed, const std::string& name, std::optional<CalendarDate>& date,
                std::string& problem)
{
    auto it = parsed.options.find(name);
    if (it == parsed.options.end())
        return true;
    const std::optional<IsoDate> iso = parseIsoDate(it->second);
    if (!iso) {
        problem = "--" + name + " wants a date as YYYY-MM-DD, not '" + it->second + "'";
        return false;
    }
    date = CalendarDate{iso->year, iso->month, iso->day};
    return true;
}

bool parseSelectionOptions(const ParsedArgs& parsed, SelectionOptions& options, std::string& problem)
{
    options = SelectionOptions{};
    return dateOption(parsed, "from", options.from, problem) && dateOption(parsed, "to", options.to, problem) &&
           latin1Option(parsed, "sport", options.sport, problem) && categoryOption(parsed, options.category, problem) &&
           valueTest(parsed, "distance", kNumberWords, kNumberWordList, NumberTest::From, options.distance, problem) &&
           valueTest(parsed, "time", kNumberWords, kNumberWordList, NumberTest::From, options.time, problem) &&
           valueTest(parsed, "pace", kPaceWords, kPaceWordList, PaceTest::From, options.pace, problem) &&
           textTest(parsed, "route", kRouteWords, kRouteWordList, options.route, problem) &&
           textTest(parsed, "comment", kCommentWords, kCommentWordList, options.comment, problem) &&
           latin1Option(parsed, "keyword", options.keyword, problem) &&
           latin1Option(parsed, "autofill", options.autofill, problem);
}

std::optional<SelectCriteria> criteriaFromOptions(const SelectionOptions& options, LogStore& store,
                                                  std::string& problem)
{
    SelectCriteria criteria = clearedCriteria(store);
    defaultRange(store, criteria);
    if (options.keyword) {
        const int position = keywordPosition(store, *options.keyword);
        if (position == 0) {
            problem = "the log has no keyword '" + latin1ToUtf8(*options.keyword) + "'";
            return std::nullopt;
        }
        criteria = fillFromKeyword(criteria, store, position);
    }
    if (options.autofill) {
        const int position = routePosition(store, *options.autofill);
        if (position == 0) {
            problem = "the log has no memorized route '" + latin1ToUtf8(*options.autofill) + "'";
            return std::nullopt;
        }
        criteria = fillFromMemorizedRoute(criteria, store, position);
    }
    if (options.from)
        criteria.fromDate = *options.from;
    if (options.to)
        criteria.toDate = *options.to;
    if (options.sport) {
        criteria.sport = sportPosition(store, *options.sport);
        if (criteria.sport == 0) {
            problem = "the log has no sport named '" + latin1ToUtf8(*options.sport) + "'";
            return std::nullopt;
        }
    }
    if (options.category != 0)
        criteria.category = options.category;
    overrideTest(options.distance, criteria.distanceTest, criteria.distanceText, &criteria.distanceTo);
    overrideTest(options.time, criteria.timeTest, criteria.timeText, &criteria.timeTo);
    overrideTest(options.pace, criteria.paceTest, criteria.paceText, &criteria.paceTo);
    overrideTest(options.route, criteria.routeTest, criteria.routeText, nullptr);
    overrideTest(options.comment, criteria.commentTest, criteria.commentText, nullptr);

    // As on the page, whose distance and pace fields show only for a sport.
    const SelectVisibility shown = selectVisibility(criteria, store);
    if (options.distance.given && !shown.distanceTest) {
        problem = "--distance needs --sport";
        return std::nullopt;
    }
    if (options.pace.given && !shown.paceTest) {
        problem = "--pace needs --sport naming a sport with pace units";
        return std::nullopt;
    }
    return criteria;
}

int applySelectionOptions(const SelectionOptions& options, LogStore& store, UserPrompt& prompt, std::string& problem)
{
    store.selectAll();
    const std::optional<SelectCriteria> criteria = criteriaFromOptions(options, store, problem);
    if (!criteria)
        return kExitUsage;
    const InputWarning warn = [&prompt](const std::string& text) {
        prompt.message(kInputErrorCaption, text, UserPrompt::Icon::Warning, UserPrompt::Buttons::Ok,
                       UserPrompt::Answer::Ok);
    };
    const SelectResult result = runSelect(store, *criteria, SelectAction::Select, warn);
    if (!result.phraseFound) {
        prompt.message(msg::kCaption, kPhraseNotFound, UserPrompt::Icon::None, UserPrompt::Buttons::Ok,
                       UserPrompt::Answer::Ok);
        return kExitFailed;
    }
    // The store says how many entries are shown, as the window's refill does.
    store.shownCount = static_cast<std::uint16_t>(result.selectedCount);
    return kExitOk;
}

int selectFromArguments(const ParsedArgs& parsed, LogStore& store, UserPrompt& prompt, std::string& problem)
{
    SelectionOptions options;
    if (!parseSelectionOptions(parsed, options, problem))
        return kExitUsage;
    return applySelectionOptions(options, store, prompt, problem);
}
