// Keywords and memorized routes without widgets: the menus, the limits,
// deleting after the question, the keyword's text and Autofill.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "entry_test_support.h"
#include "scripted_prompt.h"
#include "shell/logic/keywords_routes.h"

namespace {

using namespace entrytest;

class KeywordsRoutes : public ::testing::Test {
protected:
    std::unique_ptr<LogStore> store = makeStore();
    ScriptedPrompt prompt;

    void TearDown() override { EXPECT_TRUE(prompt.unexpected.empty()); }

    std::vector<std::string> keywordTexts() const
    {
        std::vector<std::string> out;
        for (int i = 0; i < store->keywordCount; ++i)
            out.push_back(store->keywords[i].text.str());
        return out;
    }
    // Memorizes the form under name; the name question must be asked.
    MemorizeResult memorize(const EntryForm& form, const std::string& name, int* asked = nullptr)
    {
        return memorizeRoute(*store, form, prompt, [name, asked] {
            if (asked)
                ++*asked;
            return name;
        });
    }
    EntryForm fiveKilometres() const
    {
        EntryForm form = runningForm();
        form.units = DistanceUnit::Kilometers;
        form.distance = "5";
        form.time = "~24:51.3";
        form.pace = "8:00";
        form.route = "Park";
        form.comment = "Wt=70";
        return form;
    }
};

TEST_F(KeywordsRoutes, menusListLabelsAndNames_thenTheAddingItem)
{
    addKeyword(*store, KeywordKind::Average, "HR", "Heart rate");
    addKeyword(*store, KeywordKind::NonNumeric, "Shoe", "Shoes worn");
    EXPECT_EQ(keywordMenuItems(*store), (std::vector<std::string>{"Heart rate", "Shoes worn", "  Add New"}));
    store->routes[0].text = std::string(70, 'n') + "\tTR\t5M\t\t\t\t\t";
    store->routes[1].text = "Hill loop\tTR\t5M\t40:00\t8:00\tHill loop\tsteady\t";
    store->routeCount = 2;
    EXPECT_EQ(routeMenuItems(*store), (std::vector<std::string>{std::string(63, 'n'), "Hill loop", "  Memorize Info"}));
    EXPECT_EQ(keywordMenuItems(*makeStore()), (std::vector<std::string>{"  Add New"}));
}

TEST_F(KeywordsRoutes, addKeyword_appendsKindAbbreviationAndLabel)
{
    EXPECT_TRUE(addKeyword(*store, KeywordKind::Average, "HR", "Heart rate"));
    EXPECT_TRUE(store->modified);
    EXPECT_TRUE(addKeyword(*store, KeywordKind::Total, std::string(16, 'a'), std::string(32, 'l')));
    EXPECT_TRUE(addKeyword(*store, KeywordKind::NonNumeric, std::string(20, 'b'), std::string(40, 'm')));
    // The same abbreviation again is not refused.
    EXPECT_TRUE(addKeyword(*store, KeywordKind::Total, "HR", "Heart rate again"));
    EXPECT_EQ(keywordTexts(),
              (std::vector<std::string>{"1\tHR\tHeart rate", "2\t" + std::string(16, 'a') + "\t" + std::string(32, 'l'),
                                        "3\t" + std::string(16, 'b') + "\t" + std::string(32, 'm'),
                                        "2\tHR\tHeart rate again"}));
}

TEST_F(KeywordsRoutes, addKeyword_emptyBoxOrFullListAddsNothing)
{
    EXPECT_FALSE(addKeyword(*store, KeywordKind::Average, "HR", ""));
    EXPECT_FALSE(addKeyword(*store, KeywordKind::Average, "", "Heart rate"));
    EXPECT_EQ(store->keywordCount, 0);
    EXPECT_FALSE(store->modified);
    for (int i = 0; i < 32; ++i)
        ASSERT_TRUE(addKeyword(*store, KeywordKind::Total, "K" + std::to_string(i), "Keyword"));
    EXPECT_FALSE(addKeyword(*store, KeywordKind::Total, "K33", "One too many"));
    EXPECT_EQ(store->keywordCount, 32);
}

TEST_F(KeywordsRoutes, addNewAtTheLimit_saysSo)
{
    for (int i = 0; i < 31; ++i)
        addKeyword(*store, KeywordKind::Total, "K", "Keyword");
    EXPECT_TRUE(mayAddKeyword(*store, prompt));
    EXPECT_TRUE(prompt.shown.empty());
    addKeyword(*store, KeywordKind::Total, "K", "Keyword");
    EXPECT_FALSE(mayAddKeyword(*store, prompt));
    EXPECT_EQ(prompt.lines(), (std::vector<std::string>{"Orvanta: You have reached the limit of 32 keywords"}));
}

TEST_F(KeywordsRoutes, deleteKeyword_asksByLabel_cancelKeepsIt_okRemovesIt)
{
    addKeyword(*store, KeywordKind::Average, "HR", "Heart rate");
    addKeyword(*store, KeywordKind::NonNumeric, "Shoe", "Shoes worn");
    addKeyword(*store, KeywordKind::Average, "Wt", "Weight");
    store->modified = false;
    const std::string question =
        "Are you sure you want to delete the memorized information for the \"Shoes worn\" keyword? You will NOT lose "
        "any data from your log itself, only the Keyword menu will be modified.";
    prompt.answers = {UserPrompt::Answer::Cancel, UserPrompt::Answer::Ok};
    EXPECT_FALSE(deleteKeyword(*store, 1, prompt));
    EXPECT_EQ(store->keywordCount, 3);
    EXPECT_FALSE(store->modified);
    EXPECT_TRUE(deleteKeyword(*store, 1, prompt));
    EXPECT_EQ(keywordTexts(), (std::vector<std::string>{"1\tHR\tHeart rate", "1\tWt\tWeight"}));
    EXPECT_TRUE(store->modified);
    ASSERT_EQ(prompt.shown.size(), 2u);
    for (const auto& shown : prompt.shown) {
        EXPECT_EQ(shown.caption, "Orvanta");
        EXPECT_EQ(shown.text, question);
        EXPECT_EQ(shown.buttons, UserPrompt::Buttons::OkCancel);
    }
}

TEST_F(KeywordsRoutes, keywordInsertion_numericKindsAnEqualsSign_othersABlank)
{
    EXPECT_EQ(keywordInsertion("1\tHR\tHeart rate"), "HR=");
    EXPECT_EQ(keywordInsertion("2\tMi\tMiles run"), "Mi=");
    EXPECT_EQ(keywordInsertion("3\tTired\tFeeling tired"), "Tired ");
    EXPECT_EQ(keywordInsertion("7\tSick\tSick"), "Sick ");
    EXPECT_EQ(keywordInsertion("1\tHR"), "HR=");
}

TEST_F(KeywordsRoutes, memorize_fiveKilometres_storesTheLetterK_andAutofillGivesItBack)
{
    EXPECT_EQ(memorize(fiveKilometres(), "Park 5K"), MemorizeResult::Added);
    EXPECT_EQ(store->routeCount, 1);
    EXPECT_EQ(store->routes[0].text, "Park 5K\tTR\t5K\t~24:51.3\t8:00\tPark\tWt=70\t");
    EXPECT_TRUE(store->modified);

    EntryForm form = runningForm();
    applySport(form, *store, 2);
    EXPECT_EQ(fillFromRoute(form, *store, store->routes[0].text.view()), FormField::Comment);
    EXPECT_EQ(form.distance, "5");
    EXPECT_EQ(form.units, DistanceUnit::Kilometers);
    EXPECT_EQ(form.sport, 1);
    EXPECT_EQ(form.category, 0);
    EXPECT_EQ(form.time + "|" + form.pace + "|" + form.route + "|" + form.comment, "~24:51.3|8:00|Park|Wt=70");
}

TEST_F(KeywordsRoutes, memorize_thirtySecondAdded_thirtyThirdRefused)
{
    for (int i = 0; i < 31; ++i)
        store->routes[i].text = "r\tTR\t\t\t\t\t\t";
    store->routeCount = 31;
    EXPECT_EQ(memorize(fiveKilometres(), "32nd"), MemorizeResult::Added);
    EXPECT_EQ(store->routeCount, 32);
    int asked = 0;
    EXPECT_EQ(memorize(fiveKilometres(), "33rd", &asked), MemorizeResult::AtLimit);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(store->routeCount, 32);
    EXPECT_EQ(prompt.lines(), (std::vector<std::string>{"Orvanta: You have reached the limit of 32 memorized routes"}));
}

TEST_F(KeywordsRoutes, memorize_emptyFormOrNoName_addsNothing)
{
    int asked = 0;
    EXPECT_EQ(memorize(runningForm(), "never asked", &asked), MemorizeResult::NothingToMemorize);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(prompt.lines(),
              (std::vector<std::string>{
                  "Orvanta: Nothing to memorize! Enter data first, THEN select \"Memorize Info\" again."}));
    EXPECT_EQ(memorize(fiveKilometres(), "", &asked), MemorizeResult::NoName);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(store->routeCount, 0);
    EXPECT_FALSE(store->modified);
    EXPECT_EQ(prompt.shown.size(), 1u);
}

TEST_F(KeywordsRoutes, memorize_nameCutTo32)
{
    EXPECT_EQ(memorize(fiveKilometres(), std::string(40, 'x')), MemorizeResult::Added);
    EXPECT_EQ(routeMenuItems(*store).at(0), std::string(32, 'x'));
}

TEST_F(KeywordsRoutes, deleteRoute_asksByName_cancelChangesNothing)
{
    memorize(fiveKilometres(), "Park 5K");
    memorize(fiveKilometres(), "Second");
    store->modified = false;
    const std::string question =
        "Are you sure you want to delete the memorized information for the \"Park 5K\" route? You will NOT lose any "
        "data from your log itself, only the Autofill menu will be modified.";
    prompt.answers = {UserPrompt::Answer::Cancel, UserPrompt::Answer::Ok};
    EXPECT_FALSE(deleteRoute(*store, 0, prompt));
    EXPECT_EQ(store->routeCount, 2);
    EXPECT_FALSE(store->modified);
    EXPECT_TRUE(deleteRoute(*store, 0, prompt));
    EXPECT_EQ(routeMenuItems(*store), (std::vector<std::string>{"Second", "  Memorize Info"}));
    EXPECT_EQ(prompt.lines(), (std::vector<std::string>{"Orvanta: " + question, "Orvanta: " + question}));
}

struct AutofillRow {
    const char* name;
    const char* record;
    int category;
    int sport;
    const char* distance;
    DistanceUnit units;
    FormField focus;
};

class Autofill : public ::testing::TestWithParam<AutofillRow> {};

TEST_P(Autofill, fillsTheFormAndPicksTheFocus)
{
    const AutofillRow& row = GetParam();
    auto store = makeStore();
    EntryForm form = runningForm();
    form.distance = "old";
    form.time = "old";
    EXPECT_EQ(fillFromRoute(form, *store, row.record), row.focus);
    EXPECT_EQ(form.category, row.category);
    EXPECT_EQ(form.sport, row.sport);
    EXPECT_EQ(form.distance, row.distance);
    EXPECT_EQ(form.units, row.units);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Autofill,
    ::testing::Values(
        AutofillRow{"noDistance_focusInDistance", "Stretch\tIY\t\t20:00\t\t\t\t", 1, 4, "", DistanceUnit::None,
                    FormField::Distance},
        AutofillRow{"noDistance_unitsOfTheSport", "Ride\tRC\t\t1:00:00\t\t\t\t", 2, 2, "", DistanceUnit::Kilometers,
                    FormField::Distance},
        AutofillRow{"noTime", "Track\tTR\t800m\t\t\tLaps\t\t", 0, 1, "800", DistanceUnit::Meters, FormField::Time},
        AutofillRow{"noPace", "Pool\tTS\t1500Y\t30:00\t\tPool\t\t", 0, 3, "1500", DistanceUnit::Yards, FormField::Pace},
        AutofillRow{"noRoute", "Loop\tTR\t5M\t40:00\t8:00\t\t\t", 0, 1, "5", DistanceUnit::Miles, FormField::Route},
        AutofillRow{"noSportLetter", "Walk\tT\t2\t30:00\t15:00\tPark\t\t", 0, 0, "2", DistanceUnit::None,
                    FormField::Comment},
        AutofillRow{"cutShort", "Cut\tXR", 0, 1, "", DistanceUnit::Miles, FormField::Distance}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
