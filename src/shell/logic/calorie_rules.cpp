#include "shell/logic/calorie_rules.h"

#include <string_view>

#include "values/tab_fields.h"

namespace {

constexpr std::size_t kMaxCalorieKeyword = 31;
constexpr float kProposedWeight = 150.0f;

// Whether "%f" finds a number at the start of text.
bool startsWithNumber(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    if (i < text.size() && text[i] == '.')
        ++i;
    return i < text.size() && text[i] >= '0' && text[i] <= '9';
}

}  // namespace

CalorieChoice openCalorieChoice(AppSettings& settings, const LogStore& store)
{
    CalorieChoice choice;
    choice.weightUnits = settings.weightUnits;
    for (int k = 0; k < store.keywordCount; ++k) {
        choice.keywords.emplace_back(fieldsOf<2>(store.keywords[k].text.view())[1]);  // the abbreviation
        if (choice.keywordIndex < 0 && choice.keywords.back() == settings.calorieKeyword)
            choice.keywordIndex = k;
    }
    if (choice.keywordIndex >= 0) {
        choice.fromKeyword = true;
        return choice;
    }
    choice.keywordIndex = choice.keywords.empty() ? -1 : 0;
    settings.fixedWeight = fixedWeightOf(settings.calorieKeyword);
    choice.fixedText = settings.fixedWeight != 0.0f ? settings.calorieKeyword : kFixedWeightProposal;
    return choice;
}

void applyCalorieChoice(AppSettings& settings, bool fromKeyword, const std::string& keywordText,
                        const std::string& fixedText, int weightUnits)
{
    if (weightUnits >= 0)
        settings.weightUnits = weightUnits;
    if (fromKeyword) {
        settings.calorieKeyword = keywordText.substr(0, kMaxCalorieKeyword);
        settings.fixedWeight = 0.0f;
        return;
    }
    settings.calorieKeyword = fixedText.substr(0, kMaxCalorieKeyword);
    settings.fixedWeight =
        startsWithNumber(settings.calorieKeyword) ? fixedWeightOf(settings.calorieKeyword) : kProposedWeight;
}
