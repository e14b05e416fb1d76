#pragma once

#include <string>
#include <string_view>

#include "shell/logic/app_settings.h"

// The three configurable fonts of the settings and how a choice in the font
// chooser is kept: the Fonts dialog's rules.

inline constexpr const char* kFontsDialogTitle = "The Orvanta: Fonts";
// Face names are kept in 32-byte fields.
inline constexpr std::size_t kMaxFontFace = 31;

enum class FontSlot { Printing = 0, Day = 1, Week = 2 };
inline constexpr int kFontSlotCount = 3;

struct FontSetting {
    std::string face;
    int pointSize = 0;  // whole points
};

FontSetting fontSetting(const AppSettings& settings, FontSlot slot);

// The log and totals are printed in columns of fixed width: their font is
// chosen among fixed-pitch faces only. The views take any face.
inline bool fixedPitchOnly(FontSlot slot)
{
    return slot == FontSlot::Printing;
}

// A confirmed choice: the face cut to 31 characters and the size in whole
// points, the tenths dropped (11.5 points is kept as 11). A size below one
// point keeps the old size, which no face could be drawn in.
void storeFontChoice(AppSettings& settings, FontSlot slot, std::string_view face, int tenthsOfPoint);
