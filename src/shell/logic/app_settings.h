#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "log/settings_store.h"
#include "views/logic/view_settings.h"

struct CalorieFactor {
    std::string sport;  // at most 31 characters
    float factor = 0.0f;
};

struct ScreenRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The per-user settings that outlive a run and belong to no one log.
struct AppSettings {
    static constexpr int kColorCount = 16;
    static constexpr int kMaxCalorieFactors = 32;

    std::string mainWindow;  // "%d,%d,%d,%d": x, y, width, height
    std::int32_t weekViewWeeks = 1;
    std::int32_t selectionDisplayMode = 1;
    std::int32_t totalPeriod = 0;
    std::int32_t graphPeriod = 0;
    std::int32_t graphType = 0;
    std::int32_t graphSport = 0;
    std::array<std::uint32_t, kColorCount> sportColors{};  // 0x00BBGGRR
    std::string calorieKeyword = "Wt";
    float fixedWeight = 0.0f;
    std::int32_t weightUnits = 0;
    std::vector<CalorieFactor> calorieFactors;
    std::int32_t fontSizePrinting = 9;
    std::int32_t fontSizeDay = 10;
    std::int32_t fontSizeWeek = 8;
    std::string fontNamePrinting = "Courier New";
    std::string fontNameDay = "Arial";
    std::string fontNameWeek = "Arial";
    std::string defaultLog;
    std::string downloadLog;

    // The names of the calorie pairs, in order, for looking a sport's pair up.
    std::vector<std::string> calorieSportNames() const;
    // mainWindow parsed with "%d,%d,%d,%d"; fallback when the text is not four
    // numbers or gives no area (a hand-edited file).
    ScreenRect mainWindowRect(const ScreenRect& fallback = ScreenRect{0, 0, 800, 600}) const;
};

// Every field at its default (the colour table, the fonts, "Wt"...).
AppSettings defaultSettings();

// Reads every value, writing each missing one back with its default, so that
// after the first start the store holds a complete set. workArea is the
// desktop's work area, the default window rectangle.
AppSettings loadSettings(SettingsStore& store, const ScreenRect& workArea);

// Writes the settings back (not the log): the window's normal rectangle, the
// download log when set, the page states, colours, calorie pairs and fonts.
void writeSettings(SettingsStore& store, const AppSettings& settings, const ScreenRect& normalWindow);

// What the views draw with, taken from settings.
ViewSettings viewSettingsOf(const AppSettings& settings);

// "%f" of the calorie keyword; 0 when it does not start with a number.
float fixedWeightOf(const std::string& calorieKeyword);

inline constexpr const char* kUnsavedChangesQuestion =
    "You have unsaved changes in your log. Do you want to save them now?";
