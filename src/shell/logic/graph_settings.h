#pragma once

#include "shell/logic/app_settings.h"
#include "views/logic/calories.h"

// The calorie settings as the graph takes them.
inline CalorieSettings calorieSettingsOf(const AppSettings& settings)
{
    CalorieSettings calories;
    calories.weightKeyword = settings.calorieKeyword;
    calories.fixedWeight = settings.fixedWeight;
    calories.weightUnits = settings.weightUnits;
    calories.pairs.reserve(settings.calorieFactors.size());
    for (const CalorieFactor& pair : settings.calorieFactors)
        calories.pairs.push_back(CaloriePair{pair.sport, pair.factor});
    return calories;
}
