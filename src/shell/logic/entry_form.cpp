#include "shell/logic/entry_form.h"

#include <cmath>
#include <cstdio>

#include "log/log_writer.h"
#include "log/messages.h"

namespace {

std::string cut(std::string_view text, std::size_t length)
{
    return std::string(text.substr(0, length));
}

std::string oneDecimal(float value, bool approximate)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, approximate ? "~%0.1f" : "%0.1f", static_cast<double>(value));
    return buffer;
}

bool usable(float value)
{
    return std::isfinite(value) && value > 0.0f;
}

// The time from the distance and the pace. The distance keeps its text: the
// units box shows its unit, and Save adds the letter.
void computeTime(EntryForm& form, const SportUnits& sport, const InputWarning& warn)
{
    if (form.units == DistanceUnit::None)
        return;
    const float miles = toMiles(readNumber(form.distance), form.units);
    std::string pace = form.pace;
    const float perMile = minutesPerMile(pace, sport.paceUnits, warn);
    // A sport without pace units, a pace of nothing or a distance of
    // nothing gives no time.
    if (!usable(perMile) || !usable(miles))
        return;
    form.pace = pace;
    form.time = "~" + formatTime(static_cast<float>(perMile * miles));
}

void computeDistance(EntryForm& form, const SportUnits& sport, const InputWarning& warn)
{
    const float minutes = parseTime(std::string_view(form.time));
    std::string pace = form.pace;
    const float perMile = minutesPerMile(pace, sport.paceUnits, warn);
    // Nothing is computed from zero: a time of nothing ("abc" became "00")
    // gives no distance.
    if (!usable(perMile) || !usable(minutes))
        return;
    form.pace = pace;
    form.distance = oneDecimal(fromMiles(static_cast<float>(minutes / perMile), sport.distanceUnits), true);
    form.units = sport.distanceUnits;
}

void computePace(EntryForm& form, const SportUnits& sport, const InputWarning& warn)
{
    if (sport.paceUnits == PaceUnit::None || form.time.empty() || form.distance.empty())
        return;
    const float minutes = parseTime(form.time, true, warn);
    cleanDecimal(form.distance, warn);
    const float distance = readNumber(form.distance);
    // No pace over no distance or no time: it would be infinite or nothing.
    if (!usable(minutes) || !usable(toMiles(distance, form.units)))
        return;
    const float pace = paceFromTime(minutes, distance, form.units, sport.paceUnits);
    if (!std::isfinite(pace))
        return;
    form.pace = paceIsTime(sport.paceUnits) ? formatTime(pace) : oneDecimal(pace, false);
}

// The stored distance and its text (step 4 of building an entry).
void buildDistance(const EntryForm& form, const SportUnits& sport, int conversion, LogEntry& entry)
{
    std::string text = cut(form.distance, distanceFieldLength(form.units));
    if (text.empty())
        return;
    const float number = readNumber(text);
    if (conversion == 2 && sport.distanceUnits != DistanceUnit::None && form.units != sport.distanceUnits) {
        const float converted = fromMiles(toMiles(number, form.units), sport.distanceUnits);
        entry.distance = converted;
        entry.distanceText = oneDecimal(converted, false) + unitSuffix(sport.distanceUnits);
        return;
    }
    if (form.units != DistanceUnit::None)
        text += unitSuffix(form.units);
    entry.distanceText = text;
    // As a log read from its file has it: a sport without distance units
    // keeps no distance number.
    if (sport.distanceUnits == DistanceUnit::None)
        entry.distance = 0.0f;
    else if (form.units == DistanceUnit::None)
        entry.distance = number;
    else
        entry.distance = fromMiles(toMiles(number, form.units), sport.distanceUnits);
}

}  // namespace

int validSport(const LogStore& store, int sport)
{
    return sport >= 0 && sport <= store.sportCount ? sport : 0;
}

void cutToFieldLengths(EntryForm& form)
{
    if (form.distance.size() > distanceFieldLength(form.units))
        form.distance.resize(distanceFieldLength(form.units));
    for (std::string* text : {&form.time, &form.pace})
        if (text->size() > kShortFieldLength)
            text->resize(kShortFieldLength);
    for (std::string* text : {&form.route, &form.comment})
        if (text->size() > kLongFieldLength)
            text->resize(kLongFieldLength);
}

std::string oneLineText(std::string_view text)
{
    text = text.substr(0, kLongFieldLength);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '\r') {
            out += ' ';
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else if (c == '\n') {
            out += ' ';
        } else if (c >= 0x20) {
            out += static_cast<char>(c);
        }
    }
    return out;
}

void applySport(EntryForm& form, const LogStore& store, int sport)
{
    form.sport = validSport(store, sport);
    form.units = store.sports[form.sport].distanceUnits;
}

std::string_view paceLabel(const LogStore& store, int sport)
{
    return paceUnitName(store.sports[validSport(store, sport)].paceUnits);
}

void normaliseField(EntryForm& form, FormField field, const SportUnits& sport, const InputWarning& warn)
{
    switch (field) {
        case FormField::Time:
            parseTime(form.time, true, warn);
            break;
        case FormField::Distance:
            if (form.units != DistanceUnit::None)
                cleanDecimal(form.distance, warn);
            break;
        case FormField::Pace:
            if (paceIsTime(sport.paceUnits))
                parseTime(form.pace, true, warn);
            else
                cleanDecimal(form.pace, warn);
            break;
        default:
            break;
    }
}

void completeForm(EntryForm& form, const SportUnits& sport, const InputWarning& warn)
{
    // A leave that can compute nothing (fewer than two of the three filled)
    // keeps the marker: a later Modify that changes one of the three must
    // still compute again the one that was computed before.
    const MissingValue missing = missingValue(form.time, form.distance, form.pace, form.computed);
    if (missing != MissingValue::Nothing)
        form.computed = missing;
    switch (missing) {
        case MissingValue::Time:
            computeTime(form, sport, warn);
            break;
        case MissingValue::Distance:
            computeDistance(form, sport, warn);
            break;
        case MissingValue::Pace:
            computePace(form, sport, warn);
            break;
        case MissingValue::Nothing:
            break;
    }
}

void leaveField(EntryForm& form, FormField field, const SportUnits& sport, const InputWarning& warn)
{
    normaliseField(form, field, sport, warn);
    completeForm(form, sport, warn);
}

bool buildEntry(const EntryForm& form, const LogStore& store, LogEntry& entry)
{
    entry.clear();
    entry.selected = 1;
    entry.dateText = formatDate(form.date, store.preferences.dateFormat());
    deriveDateFields(entry, form.date, store.weekOrigin);

    const int sport = validSport(store, form.sport);
    const int category = form.category >= 0 && form.category < kCategoryCount ? form.category : 0;
    entry.sportIndex = static_cast<std::uint16_t>(sport);
    const char kind[3] = {kCategoryNames[category][0], store.sports[sport].letter, '\0'};
    entry.kindSport = kind;

    buildDistance(form, store.unitsOf(static_cast<std::uint16_t>(sport)), store.preferences.distanceConversion(),
                  entry);
    entry.timeText = cut(form.time, kShortFieldLength);
    entry.minutes = parseTime(entry.timeText.view());
    entry.paceText = cut(form.pace, kShortFieldLength);
    entry.routeText = oneLineText(form.route);
    entry.commentText = oneLineText(form.comment);

    return !(entry.timeText.empty() && entry.distanceText.empty() && entry.paceText.empty() &&
             entry.routeText.empty() && entry.commentText.empty());
}

int storeEntry(const EntryForm& form, LogStore& store, const std::string& downloadFile, UserPrompt& prompt)
{
    LogEntry entry;
    if (!buildEntry(form, store, entry)) {
        prompt.message(msg::kCaption, kNothingToSave, UserPrompt::Icon::Warning);
        return -1;
    }
    const bool modifying = store.editingIndex >= 0 && store.editingIndex < store.entryCount;
    if (!modifying && store.isFull()) {
        prompt.message(msg::kCaption, msg::kLogFull, UserPrompt::Icon::Warning);
        return -1;
    }
    // A changed date takes the entry out of its place and files it anew.
    const int index = modifying ? store.replaceAt(store.editingIndex, entry) : store.insertSorted(entry);
    if (index < 0)
        return -1;
    if (!downloadFile.empty())
        appendLine(downloadFile, formatEntryLine(store.entry(static_cast<std::size_t>(index)), false, store));
    store.modified = true;
    store.editingIndex = -1;
    store.lastStoredIndex = index;
    return index;
}

void clearForm(EntryForm& form, const LogStore& store)
{
    if (store.sportCount != 0)
        applySport(form, store, 1);
    form.category = 0;
    form.distance.clear();
    form.time.clear();
    form.pace.clear();
    form.route.clear();
    form.comment.clear();
    form.computed = MissingValue::Pace;
}

SplitDistance splitDistance(std::string_view text)
{
    if (!text.empty()) {
        const DistanceUnit unit = unitFromSuffix(text.back());
        if (unit != DistanceUnit::None)
            return {std::string(text.substr(0, text.size() - 1)), unit};
    }
    return {std::string(text), DistanceUnit::None};
}

void fillFromEntry(EntryForm& form, LogStore& store, const LogEntry& entry, bool takeDate)
{
    if (takeDate)
        form.date = parseDate(entry.dateText.view(), store.preferences.dateFormat());
    const char kind = entry.kindSport[0];
    form.category = kind == 'I' ? 1 : kind == 'R' ? 2 : 0;
    if (entry.kindSport.size() < 2)
        store.currentSport = 0;
    else
        store.resolveSportByLetter(entry.kindSport[1]);
    applySport(form, store, store.currentSport);
    SplitDistance distance = splitDistance(entry.distanceText.view());
    form.distance = std::move(distance.number);
    form.units = distance.units;
    form.time = entry.timeText.str();
    form.pace = entry.paceText.str();
    form.route = entry.routeText.str();
    form.comment = entry.commentText.str();
}
