#include "views/logic/calories.h"

#include <algorithm>

#include "values/time_value.h"
#include "values/units.h"

namespace {

constexpr std::size_t kMaxValueChars = 31;

bool continuesValue(char c)
{
    return (c >= '0' && c <= '9') || c == '.' || c == ',' || c == '%' || c == ':';
}

}  // namespace

float keywordValue(std::string_view comment, std::string_view keyword, float percentBase, bool* isTime)
{
    // An empty keyword would find any "=" at all.
    if (keyword.empty())
        return 0.0f;
    std::size_t at = 0;
    for (;;) {
        at = comment.find(keyword, at);
        if (at == std::string_view::npos)
            return 0.0f;
        if (at + keyword.size() < comment.size() && comment[at + keyword.size()] == '=')
            break;
        ++at;
    }
    std::string_view rest = comment.substr(at + keyword.size() + 1);
    if (rest.empty())
        return 0.0f;
    std::size_t skip = 0;
    while (skip < rest.size() && rest[skip] == ' ')
        ++skip;
    while (skip < rest.size() && rest[skip] == '~')
        ++skip;
    rest = rest.substr(skip, kMaxValueChars);
    bool percent = false;
    bool time = false;
    std::size_t length = 0;
    while (length < rest.size() && continuesValue(rest[length])) {
        percent = percent || rest[length] == '%';
        time = time || rest[length] == ':';
        ++length;
    }
    const std::string_view value = rest.substr(0, length);
    if (time) {
        if (isTime)
            *isTime = true;
        return parseTime(value);
    }
    const float number = readNumber(value);
    return percent ? number * percentBase / 100.0f : number;
}

float weightInPounds(float weight, int weightUnits)
{
    if (weightUnits == 1)
        return weight * 2.2046f;
    if (weightUnits == 2)
        return weight * 14.0f;
    return weight;
}

BodyWeights::BodyWeights(const LogStore& store, const CalorieSettings& settings)
    : m_fixedPounds(weightInPounds(settings.fixedWeight, settings.weightUnits))
{
    if (settings.fixedWeight != 0.0f)
        return;
    // One pass over the comments, carrying the last value forward, so that
    // a log with few weights costs no more than one with many. The entries
    // before the first value take that first value.
    const std::size_t n = store.entryCount;
    m_pounds.resize(n);
    std::size_t first = n;
    float last = 0.0f;
    for (std::size_t i = 0; i < n; ++i) {
        const float read = keywordValue(store.entry(i).commentText.view(), settings.weightKeyword, 0.0f);
        if (read != 0.0f) {
            last = read;
            first = std::min(first, i);
        }
        m_pounds[i] = weightInPounds(last, settings.weightUnits);
    }
    if (first < n)
        std::fill_n(m_pounds.begin(), first, m_pounds[first]);
}

float BodyWeights::poundsAt(std::size_t entry) const
{
    return entry < m_pounds.size() ? m_pounds[entry] : m_fixedPounds;
}

float entryCalories(const LogStore& store, std::size_t entry, const CalorieSettings& settings,
                    const BodyWeights& weights)
{
    const float weight = weights.poundsAt(entry);
    if (!(weight > 0.0f))
        return 0.0f;
    const LogEntry& e = store.entry(entry);
    if (e.sportIndex > store.sportCount)
        return 0.0f;
    const SportDef& sport = store.sports[e.sportIndex];
    // A sport linked to no row (or to one that has gone) has no factor.
    if (sport.calorieIndex < 0 || static_cast<std::size_t>(sport.calorieIndex) >= settings.pairs.size())
        return 0.0f;
    const CaloriePair& pair = settings.pairs[static_cast<std::size_t>(sport.calorieIndex)];
    if (pair.name != kDefaultCaloriePair && e.distance != 0.0f)
        return weight * pair.factor * toMiles(e.distance, sport.distanceUnits);
    return weight * pair.factor * e.minutes / 60.0f;
}
