#include "app_settings.h"

#include <locale.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "shell/logic/graph_settings.h"

namespace {

// The longest texts the settings keep: a 32-byte name buffer and a 260-byte
// path buffer, each with room for its terminating zero; a factor is read
// into 16 bytes.
constexpr std::size_t kMaxName = 31;
constexpr std::size_t kMaxPath = 259;
constexpr std::size_t kMaxFactorText = 15;

constexpr std::uint32_t kColorTable[AppSettings::kColorCount] = {
    0x000000,  // black
    0xFF0000,  // blue
    0x0000FF,  // red
    0x007F00,  // dark green
    0xFF00FF,  // magenta
    0x000000,  // black
    0x3F3F3F,  // dark grey
    0x5F5F5F,  // grey
    0x7F7F7F,  // light grey
    0x00007F,  // dark red
    0x7F0000,  // dark blue
    0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000,
};

const CalorieFactor kDefaultFactors[] = {
    {"Running", 0.653f},
    {"Cycling", 0.28f},
    {"Swimming", 2.93f},
    {"Default", 0.2f},
};

std::string numbered(const char* pattern, int n)
{
    char name[40];
    std::snprintf(name, sizeof name, pattern, n);
    return name;
}

std::string formatRect(const ScreenRect& rect)
{
    char text[64];
    std::snprintf(text, sizeof text, "%d,%d,%d,%d", rect.x, rect.y, rect.width, rect.height);
    return text;
}

// "%f" of a factor, six decimals, with a point whatever the user's locale.
std::string formatFactor(float factor)
{
    char text[64];
    auto result = std::to_chars(text, text + sizeof text, static_cast<double>(factor), std::chars_format::fixed, 6);
    return std::string(text, result.ptr);
}

// A stored text as the fixed buffer holding it would see it: one trailing
// zero is allowed, the text ends at the first zero, and data longer than the
// buffer counts as missing.
std::optional<std::string> readText(const SettingsStore& store, const std::string& name, std::size_t maxChars)
{
    std::optional<std::string> value = store.readString(name);
    if (!value)
        return std::nullopt;
    if (!value->empty() && value->back() == '\0')
        value->pop_back();
    if (value->size() > maxChars)
        return std::nullopt;
    value->resize(std::min(value->size(), value->find('\0')));
    return value;
}

// Reads a number into field; a missing one keeps the field's default and
// writes it back.
void loadInt(SettingsStore& store, const char* name, std::int32_t& field)
{
    if (std::optional<std::int32_t> value = store.readInt(name))
        field = *value;
    else
        store.writeInt(name, field);
}

void loadText(SettingsStore& store, const char* name, std::string& field)
{
    if (std::optional<std::string> value = readText(store, name, kMaxName))
        field = *value;
    else
        store.writeString(name, field);
}

// Pairs are packed in the order of their numbers; a missing number is
// skipped, so a hand-edited or partly deleted set still loads.
void loadCalorieFactors(const SettingsStore& store, std::vector<CalorieFactor>& factors)
{
    factors.clear();
    for (int n = 1; n <= AppSettings::kMaxCalorieFactors; ++n) {
        std::optional<std::string> sport = readText(store, numbered("Calories #%d Sport", n), kMaxName);
        if (!sport)
            continue;
        CalorieFactor pair{*sport, 0.0f};
        if (std::optional<std::string> factor = readText(store, numbered("Calories #%d Factor", n), kMaxFactorText))
            pair.factor = fixedWeightOf(*factor);
        factors.push_back(std::move(pair));
    }
    // The defaults are looked up by exact name, so a stored "running" does not
    // stand in for "Running". The table holds 32 pairs: a full table gets no
    // more.
    for (const CalorieFactor& fallback : kDefaultFactors) {
        bool present = false;
        for (const CalorieFactor& pair : factors)
            present = present || pair.sport == fallback.sport;
        if (!present && factors.size() < static_cast<std::size_t>(AppSettings::kMaxCalorieFactors))
            factors.push_back(fallback);
    }
}

std::string cut(const std::string& text, std::size_t maxChars)
{
    return text.size() > maxChars ? text.substr(0, maxChars) : text;
}

// Scanning with the C locale's decimal point, whatever LC_NUMERIC says.
locale_t cLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

// One "%d": blanks, a sign, digits. A number beyond 32 bits is no number.
bool scanInt(const char*& at, const char* end, int& value)
{
    while (at != end && (*at == ' ' || (*at >= '\t' && *at <= '\r')))
        ++at;
    bool negative = at != end && *at == '-';
    if (at != end && (*at == '-' || *at == '+'))
        ++at;
    unsigned long long magnitude = 0;
    auto [next, error] = std::from_chars(at, end, magnitude);
    if (error != std::errc() || magnitude > (negative ? 2147483648ULL : 2147483647ULL))
        return false;
    value = static_cast<int>(negative ? -static_cast<long long>(magnitude) : static_cast<long long>(magnitude));
    at = next;
    return true;
}

}  // namespace

std::vector<std::string> AppSettings::calorieSportNames() const
{
    std::vector<std::string> names;
    names.reserve(calorieFactors.size());
    for (const CalorieFactor& pair : calorieFactors)
        names.push_back(pair.sport);
    return names;
}

ScreenRect AppSettings::mainWindowRect(const ScreenRect& fallback) const
{
    ScreenRect rect;
    const char* at = mainWindow.data();
    const char* end = at + mainWindow.size();
    int* fields[] = {&rect.x, &rect.y, &rect.width, &rect.height};
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        if (i > 0 && (at == end || *at++ != ','))
            return fallback;
        if (!scanInt(at, end, *fields[i]))
            return fallback;
    }
    // A window with no area cannot be shown; a half-read text is no position.
    if (rect.width <= 0 || rect.height <= 0)
        return fallback;
    return rect;
}

AppSettings defaultSettings()
{
    AppSettings settings;
    for (int i = 0; i < AppSettings::kColorCount; ++i)
        settings.sportColors[i] = kColorTable[i];
    settings.calorieFactors.assign(std::begin(kDefaultFactors), std::end(kDefaultFactors));
    return settings;
}

ViewSettings viewSettingsOf(const AppSettings& settings)
{
    ViewSettings view;
    view.sportColors = settings.sportColors;
    view.fontNamePrinting = settings.fontNamePrinting;
    view.fontSizePrinting = settings.fontSizePrinting;
    view.fontNameDay = settings.fontNameDay;
    view.fontSizeDay = settings.fontSizeDay;
    view.fontNameWeek = settings.fontNameWeek;
    view.fontSizeWeek = settings.fontSizeWeek;
    view.weekViewWeeks = settings.weekViewWeeks;
    view.selectionDisplayMode = settings.selectionDisplayMode;
    view.totalPeriod = settings.totalPeriod;
    view.graphPeriod = settings.graphPeriod;
    view.graphType = settings.graphType;
    view.graphSport = settings.graphSport;
    view.calories = calorieSettingsOf(settings);
    return view;
}

float fixedWeightOf(const std::string& calorieKeyword)
{
    // As "%f" reads: leading blanks, a sign, digits, a point, an exponent;
    // anything after the number is ignored, and no number leaves 0. A keyword
    // such as "Info" would read as infinity: no weight is infinite, so that
    // counts as no number too.
    const char* text = calorieKeyword.c_str();
    char* end = nullptr;
    float value = strtof_l(text, &end, cLocale());
    return end == text || !std::isfinite(value) ? 0.0f : value;
}

AppSettings loadSettings(SettingsStore& store, const ScreenRect& workArea)
{
    AppSettings settings = defaultSettings();

    if (std::optional<std::string> rect = readText(store, "Main Window", kMaxName)) {
        settings.mainWindow = *rect;
    } else {
        // A first start opens the window over the whole work area.
        settings.mainWindow = formatRect(workArea);
        store.writeString("Main Window", settings.mainWindow);
    }

    loadInt(store, "WeekView #Weeks", settings.weekViewWeeks);
    loadInt(store, "Selection Display Mode", settings.selectionDisplayMode);
    loadInt(store, "Total Period", settings.totalPeriod);
    loadInt(store, "Graph Period", settings.graphPeriod);
    loadInt(store, "Graph Type", settings.graphType);
    loadInt(store, "Graph Sport", settings.graphSport);

    for (int n = 0; n < AppSettings::kColorCount; ++n) {
        const std::string name = numbered("Color #%d", n);
        if (std::optional<std::int32_t> color = store.readInt(name))
            settings.sportColors[n] = static_cast<std::uint32_t>(*color);
        else
            store.writeInt(name, static_cast<std::int32_t>(settings.sportColors[n]));
    }

    loadText(store, "Calorie Keyword", settings.calorieKeyword);
    settings.fixedWeight = fixedWeightOf(settings.calorieKeyword);
    loadInt(store, "Weight Units", settings.weightUnits);

    loadCalorieFactors(store, settings.calorieFactors);

    loadInt(store, "FontSize: Printing", settings.fontSizePrinting);
    loadInt(store, "FontSize: Day", settings.fontSizeDay);
    loadInt(store, "FontSize: Week", settings.fontSizeWeek);
    loadText(store, "FontName: Printing", settings.fontNamePrinting);
    loadText(store, "FontName: Day", settings.fontNameDay);
    loadText(store, "FontName: Week", settings.fontNameWeek);

    // The two paths are written only by the commands that choose them.
    settings.defaultLog = readText(store, "Default Log", kMaxPath).value_or("");
    settings.downloadLog = readText(store, "Download Log", kMaxPath).value_or("");
    return settings;
}

void writeSettings(SettingsStore& store, const AppSettings& settings, const ScreenRect& normalWindow)
{
    // The key is opened, not created: without it the settings are not kept.
    if (!store.exists())
        return;

    store.writeString("Main Window", formatRect(normalWindow));
    if (!settings.downloadLog.empty())
        store.writeString("Download Log", cut(settings.downloadLog, kMaxPath));

    store.writeInt("WeekView #Weeks", settings.weekViewWeeks);
    store.writeInt("Selection Display Mode", settings.selectionDisplayMode);
    store.writeInt("Total Period", settings.totalPeriod);
    store.writeInt("Graph Period", settings.graphPeriod);
    store.writeInt("Graph Type", settings.graphType);
    store.writeInt("Graph Sport", settings.graphSport);
    for (int n = 0; n < AppSettings::kColorCount; ++n)
        store.writeInt(numbered("Color #%d", n), static_cast<std::int32_t>(settings.sportColors[n]));

    // Numbered by position: a pair whose name was cleared leaves its number
    // unused, and numbers beyond the last pair keep what an earlier run wrote.
    const std::size_t pairs =
        std::min(settings.calorieFactors.size(), static_cast<std::size_t>(AppSettings::kMaxCalorieFactors));
    for (std::size_t i = 0; i < pairs; ++i) {
        const CalorieFactor& pair = settings.calorieFactors[i];
        if (pair.sport.empty())
            continue;
        const int n = static_cast<int>(i) + 1;
        store.writeString(numbered("Calories #%d Sport", n), cut(pair.sport, kMaxName));
        store.writeString(numbered("Calories #%d Factor", n), formatFactor(pair.factor));
    }

    store.writeString("Calorie Keyword", cut(settings.calorieKeyword, kMaxName));
    store.writeInt("Weight Units", settings.weightUnits);
    store.writeInt("FontSize: Printing", settings.fontSizePrinting);
    store.writeInt("FontSize: Day", settings.fontSizeDay);
    store.writeInt("FontSize: Week", settings.fontSizeWeek);
    store.writeString("FontName: Printing", cut(settings.fontNamePrinting, kMaxName));
    store.writeString("FontName: Day", cut(settings.fontNameDay, kMaxName));
    store.writeString("FontName: Week", cut(settings.fontNameWeek, kMaxName));
}
