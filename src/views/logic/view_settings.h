#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "views/logic/calories.h"

// What the views take from the user's settings: the faces and sizes they
// draw in, the sport colours, and what the week sheet, the totals and the
// graph show. The shell makes it from its settings and hands it in.
struct ViewSettings {
    std::array<std::uint32_t, 16> sportColors{};  // 0x00BBGGRR
    std::string fontNamePrinting = "Courier New";
    int fontSizePrinting = 9;
    std::string fontNameDay = "Arial";
    int fontSizeDay = 10;
    std::string fontNameWeek = "Arial";
    int fontSizeWeek = 8;
    int weekViewWeeks = 1;
    int selectionDisplayMode = 1;
    int totalPeriod = 0;
    int graphPeriod = 0;
    int graphType = 0;
    int graphSport = 0;
    CalorieSettings calories;
};
