#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "log/log_store.h"

// The calorie estimate of a workout: the athlete's body weight, a factor by
// the kind of sport, and the workout's distance (or its time).

// One row of the calorie table: a kind of sport and its factor.
struct CaloriePair {
    std::string name;
    float factor = 0.0f;
};

// Where the body weight comes from and the factors, as the settings hold
// them; the shell and the tool hand them in.
struct CalorieSettings {
    std::string weightKeyword = "Wt";  // whose values in the comments give the weight
    float fixedWeight = 0.0f;          // non-zero: the weight, and the keyword is not read
    int weightUnits = 0;               // 0 pounds, 1 kilograms, 2 stone
    std::vector<CaloriePair> pairs;    // by each sport's calorieIndex
};

// The pair whose name makes the estimate use the workout's time.
inline constexpr const char* kDefaultCaloriePair = "Default";

// The value written after "keyword=" in a comment: a number, a percentage of
// percentBase, or a time (then *isTime is set and the value is in minutes).
// 0 when the comment does not hold it or no number follows.
float keywordValue(std::string_view comment, std::string_view keyword, float percentBase, bool* isTime = nullptr);

// A weight in the settings' units as pounds.
float weightInPounds(float weight, int weightUnits);

// The body weights of a log in pounds, worked out once for every entry: the
// fixed weight, or the nearest keyword value at or before the entry, else the
// nearest after it.
class BodyWeights {
public:
    BodyWeights(const LogStore& store, const CalorieSettings& settings);
    float poundsAt(std::size_t entry) const;

private:
    float m_fixedPounds = 0.0f;
    std::vector<float> m_pounds;  // each entry's weight; empty with a fixed weight
};

// Kilocalories the entry burned; 0 when no weight is known or its sport has
// no calorie pair.
float entryCalories(const LogStore& store, std::size_t entry, const CalorieSettings& settings,
                    const BodyWeights& weights);
