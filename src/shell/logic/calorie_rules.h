#pragma once

#include <string>
#include <vector>

#include "log/log_store.h"
#include "shell/logic/app_settings.h"

// The Calorie Calculations dialog's rules: where the body weight comes from
// (a keyword of the log or a fixed weight) and its unit.

inline constexpr const char* kCalorieDialogTitle = "The Orvanta: Calorie Calculations";
inline constexpr const char* kWeightUnitTexts[] = {"lbs", "kg", "stone"};
inline constexpr const char* kFixedWeightProposal = "150";

// What the dialog shows when it opens.
struct CalorieChoice {
    std::vector<std::string> keywords;  // the log's keyword abbreviations, in order
    int keywordIndex = -1;              // the keyword box's choice; -1 for none
    bool fromKeyword = false;           // "Extract weight from log using keyword:" checked
    std::string fixedText;              // the fixed weight's edit box
    int weightUnits = 0;                // the unit box's choice
};

// The dialog opening on the settings and the log. Like the settings' loading,
// opening reads the fixed weight from the calorie keyword again.
CalorieChoice openCalorieChoice(AppSettings& settings, const LogStore& store);

// OK: the unit, and the keyword's text or the fixed weight's text (at most
// 31 characters each); a fixed weight that is no number is taken as 150.
void applyCalorieChoice(AppSettings& settings, bool fromKeyword, const std::string& keywordText,
                        const std::string& fixedText, int weightUnits);
