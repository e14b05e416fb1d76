// The form's rules without widgets: leaving a field, filling in the missing
// value, building and storing an entry, clearing and filling the form.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "entry_test_support.h"
#include "log/log_writer.h"
#include "log/messages.h"
#include "scripted_prompt.h"
#include "shell/logic/entry_form.h"
#include "temp_dir.h"

namespace {

using namespace entrytest;

struct Warnings {
    std::vector<std::string> texts;
    InputWarning sink()
    {
        return [this](const std::string& text) { texts.push_back(text); };
    }
};

// ---- Leaving a field: normalising -------------------------------------

struct NormaliseRow {
    const char* name;
    int sport;
    DistanceUnit units;
    FormField field;
    const char* typed;
    const char* expected;
};

class NormaliseField : public ::testing::TestWithParam<NormaliseRow> {};

TEST_P(NormaliseField, rewritesTheTextAsLeavingTheFieldDoes)
{
    const NormaliseRow& row = GetParam();
    auto store = makeStore();
    EntryForm form = runningForm();
    applySport(form, *store, row.sport);
    form.units = row.units;
    std::string* text = row.field == FormField::Time   ? &form.time
                        : row.field == FormField::Pace ? &form.pace
                                                       : &form.distance;
    *text = row.typed;
    Warnings warnings;
    normaliseField(form, row.field, store->unitsOf(static_cast<std::uint16_t>(row.sport)), warnings.sink());
    EXPECT_EQ(*text, row.expected);
    EXPECT_TRUE(warnings.texts.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NormaliseField,
    ::testing::Values(NormaliseRow{"minutesOver60", 1, DistanceUnit::Miles, FormField::Time, "90:00", "1:30:00"},
                      NormaliseRow{"digitsOnly", 1, DistanceUnit::Miles, FormField::Time, "4530", "45:30"},
                      NormaliseRow{"approximateKept", 1, DistanceUnit::Miles, FormField::Time, "~1:30:30", "~1:30:30"},
                      NormaliseRow{"distanceWithUnit", 1, DistanceUnit::Miles, FormField::Distance, "6.2 mi", "6.2"},
                      NormaliseRow{"distanceWithoutUnit", 1, DistanceUnit::None, FormField::Distance, "6.2 mi",
                                   "6.2 mi"},
                      NormaliseRow{"paceInMinutes", 1, DistanceUnit::Miles, FormField::Pace, "800", "8:00"},
                      NormaliseRow{"paceInSpeed", 2, DistanceUnit::Kilometers, FormField::Pace, "~25.5x", "25.5"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NormaliseFieldWarnings, extraColonsAndPoints_warnOnceEach)
{
    auto store = makeStore();
    EntryForm form = runningForm();
    form.time = "1:2:3:4";
    form.distance = "5.2.1";
    Warnings warnings;
    normaliseField(form, FormField::Time, store->unitsOf(1), warnings.sink());
    normaliseField(form, FormField::Distance, store->unitsOf(1), warnings.sink());
    EXPECT_EQ(warnings.texts, (std::vector<std::string>{kTooManyColons, kTooManyPoints}));
    EXPECT_EQ(form.time, "1:02:34");
    EXPECT_EQ(form.distance, "5.21");
}

// ---- Leaving a field: the completion ---------------------------------

struct CompletionRow {
    const char* name;
    int sport;
    DistanceUnit units;
    const char* distance;
    const char* time;
    const char* pace;
    // What the three texts and the units are afterwards.
    const char* distanceAfter;
    const char* timeAfter;
    const char* paceAfter;
    DistanceUnit unitsAfter;
};

class Completion : public ::testing::TestWithParam<CompletionRow> {};

TEST_P(Completion, fillsInTheMissingValue)
{
    const CompletionRow& row = GetParam();
    auto store = makeStore();
    EntryForm form = runningForm();
    applySport(form, *store, row.sport);
    form.units = row.units;
    form.distance = row.distance;
    form.time = row.time;
    form.pace = row.pace;
    Warnings warnings;
    leaveField(form, FormField::Comment, store->unitsOf(static_cast<std::uint16_t>(row.sport)), warnings.sink());
    EXPECT_EQ(form.distance, row.distanceAfter);
    EXPECT_EQ(form.time, row.timeAfter);
    EXPECT_EQ(form.pace, row.paceAfter);
    EXPECT_EQ(form.units, row.unitsAfter);
    EXPECT_TRUE(warnings.texts.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Completion,
    ::testing::Values(
        // A computed pace carries no "~"; a computed time or distance does.
        CompletionRow{"paceFromDistanceAndTime", 1, DistanceUnit::Miles, "6.2", "49:36", "", "6.2", "49:36", "8:00",
                      DistanceUnit::Miles},
        CompletionRow{"timeFromDistanceAndPace", 1, DistanceUnit::Miles, "6.2", "", "8:00", "6.2", "~49:36", "8:00",
                      DistanceUnit::Miles},
        CompletionRow{"distanceFromTimeAndPace", 1, DistanceUnit::None, "", "49:36", "8:00", "~6.2", "49:36", "8:00",
                      DistanceUnit::Miles},
        CompletionRow{"speedFromKilometresAndTime", 2, DistanceUnit::Kilometers, "30", "1:00:00", "", "30", "1:00:00",
                      "30.0", DistanceUnit::Kilometers},
        CompletionRow{"kilometresFromSpeed", 2, DistanceUnit::None, "", "1:00:00", "30", "~30.0", "1:00:00", "30",
                      DistanceUnit::Kilometers},
        CompletionRow{"timeFromPaceInOtherUnits", 1, DistanceUnit::Kilometers, "10", "", "8:00", "10", "~49:42.6",
                      "8:00", DistanceUnit::Kilometers},
        // The time is computed only with the distance's unit chosen.
        CompletionRow{"noUnitsNoTime", 1, DistanceUnit::None, "5", "", "8:00", "5", "", "8:00", DistanceUnit::None},
        // A sport without pace units computes nothing.
        CompletionRow{"noPaceUnitsNoPace", 3, DistanceUnit::Yards, "1500", "30:00", "", "1500", "30:00", "",
                      DistanceUnit::Yards},
        CompletionRow{"noPaceUnitsNoTime", 3, DistanceUnit::Yards, "1500", "", "2:00", "1500", "", "2:00",
                      DistanceUnit::Yards},
        CompletionRow{"noPaceUnitsNoDistance", 3, DistanceUnit::Yards, "", "30:00", "2:00", "", "30:00", "2:00",
                      DistanceUnit::Yards},
        // No pace over nothing: a zero distance or a pace of nothing gives nothing.
        CompletionRow{"zeroDistanceNoPace", 1, DistanceUnit::Miles, "0", "30:00", "", "0", "30:00", "",
                      DistanceUnit::Miles},
        CompletionRow{"zeroPaceNoDistance", 1, DistanceUnit::None, "", "30:00", "0", "", "30:00", "0",
                      DistanceUnit::None},
        CompletionRow{"oneValueOnly", 1, DistanceUnit::Miles, "6.2", "", "", "6.2", "", "", DistanceUnit::Miles},
        // All three filled: the pace, computed at first, is computed again.
        CompletionRow{"allThree_paceAgain", 1, DistanceUnit::Miles, "6.2", "49:36", "9:59", "6.2", "49:36", "8:00",
                      DistanceUnit::Miles}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CompletionState, allThreeFilled_recomputesWhatWasComputedLast)
{
    auto store = makeStore();
    const SportUnits running = store->unitsOf(1);
    EntryForm form = runningForm();
    form.distance = "6.2";
    form.pace = "8:00";
    leaveField(form, FormField::Pace, running, {});
    EXPECT_EQ(form.computed, MissingValue::Time);
    EXPECT_EQ(form.time, "~49:36");
    // A new pace with all three filled gives a new time, not a new pace.
    form.pace = "9:00";
    leaveField(form, FormField::Pace, running, {});
    EXPECT_EQ(form.time, "~55:48");
    EXPECT_EQ(form.pace, "9:00");
}

TEST(CompletionState, aLeaveThatComputesNothing_keepsWhatWasComputedLast)
{
    auto store = makeStore();
    const SportUnits running = store->unitsOf(1);
    EntryForm form = runningForm();
    form.computed = MissingValue::Time;
    leaveField(form, FormField::Date, running, {});
    form.distance = "6.2";
    leaveField(form, FormField::Distance, running, {});
    EXPECT_EQ(form.computed, MissingValue::Time) << "one of three filled computes nothing and changes nothing";
    // Modify fills all three; a new time computes the pace again, not nothing.
    EntryForm modified = runningForm();
    leaveField(modified, FormField::Date, running, {});
    modified.distance = "5.2";
    modified.time = "40:00";
    modified.pace = "8:39.2";
    leaveField(modified, FormField::Time, running, {});
    EXPECT_EQ(modified.pace, "7:41.5");
}

TEST(Completion, nothingIsComputedFromATimeOrDistanceOfNothing)
{
    auto store = makeStore();
    const SportUnits running = store->unitsOf(1);
    EntryForm form = runningForm();
    form.time = "abc";
    form.pace = "8:00";
    leaveField(form, FormField::Time, running, {});
    EXPECT_EQ(form.time, "00");
    EXPECT_EQ(form.distance, "") << "no distance from a time of nothing";

    form = runningForm();
    form.distance = "0";
    form.pace = "8:00";
    leaveField(form, FormField::Pace, running, {});
    EXPECT_EQ(form.time, "") << "no time over a distance of nothing";
}

TEST(CompletionState, leavingFieldsAgain_neverAddsToTheDistanceText)
{
    auto store = makeStore();
    const SportUnits running = store->unitsOf(1);
    EntryForm form = runningForm();
    form.units = DistanceUnit::Kilometers;
    form.distance = "5";
    form.pace = "8:00";
    for (FormField field : {FormField::Pace, FormField::Route, FormField::Comment, FormField::Date})
        leaveField(form, field, running, {});
    EXPECT_EQ(form.distance, "5");
    EXPECT_EQ(form.time, "~24:51.3");
    LogEntry entry;
    ASSERT_TRUE(buildEntry(form, *store, entry));
    EXPECT_EQ(entry.distanceText, "5K");
}

// ---- Building an entry -----------------------------------------------

class BuildEntry : public ::testing::Test {
protected:
    std::unique_ptr<LogStore> store = makeStore();
    EntryForm form = runningForm();
    LogEntry entry;
};

TEST_F(BuildEntry, dateFieldsFromThePicker)
{
    form.time = "45:00";
    ASSERT_TRUE(buildEntry(form, *store, entry));
    EXPECT_EQ(entry.selected, 1);
    EXPECT_EQ(entry.dateText, "05/17/24");
    EXPECT_EQ(entry.dateKey, 1240517u);
    EXPECT_EQ(entry.monthIndex, 1492);
    EXPECT_EQ(entry.weekIndex, weekIndexOf(kToday, store->weekOrigin));
    store->setDateFormat(2);
    ASSERT_TRUE(buildEntry(form, *store, entry));
    EXPECT_EQ(entry.dateText, "17/05/24");
    EXPECT_EQ(entry.dateKey, 1240517u);
}

TEST_F(BuildEntry, kindAndSportLetters)
{
    form.time = "45:00";
    form.sport = 2;
    form.category = 1;
    ASSERT_TRUE(buildEntry(form, *store, entry));
    EXPECT_EQ(entry.kindSport, "IC");
    EXPECT_EQ(entry.sportIndex, 2);
    form.sport = 0;
    form.category = 2;
    ASSERT_TRUE(buildEntry(form, *store, entry));
    EXPECT_EQ(entry.kindSport, "R ");
    EXPECT_TRUE(entry.isRace());
}

struct DistanceRow {
    const char* name;
    int conversion;
    int sport;
    DistanceUnit units;
    const char* typed;
    const char* storedText;
    float storedNumber;
};

class BuildDistance : public ::testing::TestWithParam<DistanceRow> {};

TEST_P(BuildDistance, textAndNumberByTheConversionPreference)
{
    const DistanceRow& row = GetParam();
    auto store = makeStore();
    store->preferences.values[2] = row.conversion;
    EntryForm form = runningForm();
    form.sport = row.sport;
    form.units = row.units;
    form.distance = row.typed;
    LogEntry entry;
    ASSERT_TRUE(buildEntry(form, *store, entry));
    EXPECT_EQ(entry.distanceText, row.storedText);
    EXPECT_NEAR(entry.distance, row.storedNumber, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BuildDistance,
    ::testing::Values(
        DistanceRow{"summariesOnly_keepsTheTypedUnit", 1, 1, DistanceUnit::Kilometers, "10", "10K", 6.213712f},
        DistanceRow{"onDataEntry_convertsToTheSportsUnit", 2, 1, DistanceUnit::Kilometers, "10", "6.2M", 6.213712f},
        DistanceRow{"onDataEntry_sameUnitUnchanged", 2, 1, DistanceUnit::Miles, "5", "5M", 5.0f},
        DistanceRow{"onDataEntry_blankUnitsTakenAsTheSports", 2, 1, DistanceUnit::None, "5", "5.0M", 5.0f},
        DistanceRow{"blankUnits_textAsTyped", 1, 1, DistanceUnit::None, "5", "5", 5.0f},
        DistanceRow{"approximateKeepsItsMark", 1, 1, DistanceUnit::Miles, "~6.2", "~6.2M", 6.2f},
        DistanceRow{"onDataEntry_dropsTheMark", 2, 2, DistanceUnit::Miles, "~6.2", "10.0K", 9.977933f},
        DistanceRow{"sportWithoutUnits_keepsNoNumber", 2, 4, DistanceUnit::Kilometers, "3", "3K", 0.0f}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BuildEntry, textsCutToTheirBoxes_routeAndCommentOnOneLine)
{
    form.time = "~123456789012";
    form.pace = "8:00:00:00:00";
    form.route = "line one\r\nline two\nthree\tfour\rfive";
    form.comment = std::string(600, 'c');
    ASSERT_TRUE(buildEntry(form, *store, entry));
    EXPECT_EQ(entry.timeText, "~12345678");
    EXPECT_EQ(entry.paceText, "8:00:00:0");
    EXPECT_EQ(entry.routeText, "line one line two threefour five");
    EXPECT_EQ(entry.commentText, std::string(511, 'c'));
    EXPECT_FLOAT_EQ(entry.minutes, parseTime(std::string_view("~12345678")));
}

TEST_F(BuildEntry, routeOrCommentAlone_isSomethingToSave_emptyFormIsNot)
{
    EXPECT_FALSE(buildEntry(form, *store, entry));
    form.category = 2;
    form.units = DistanceUnit::Kilometers;
    EXPECT_FALSE(buildEntry(form, *store, entry));
    form.comment = "rest day";
    EXPECT_TRUE(buildEntry(form, *store, entry));
    form.comment.clear();
    form.route = "\r\n";  // one blank is still a route
    EXPECT_TRUE(buildEntry(form, *store, entry));
}

// ---- Storing -----------------------------------------------------------

class StoreEntry : public ::testing::Test {
protected:
    std::unique_ptr<LogStore> store = makeStore();
    ScriptedPrompt prompt;

    std::vector<std::string> comments() const
    {
        std::vector<std::string> out;
        for (int i = 0; i < store->entryCount; ++i)
            out.push_back(store->entry(static_cast<std::size_t>(i)).commentText.str());
        return out;
    }
    EntryForm formWith(CalendarDate date, const char* comment) const
    {
        EntryForm form = runningForm(date);
        form.comment = comment;
        return form;
    }
    void TearDown() override { EXPECT_TRUE(prompt.unexpected.empty()); }
};

TEST_F(StoreEntry, sameDayGoesAfter_earlierDayFirst)
{
    EXPECT_EQ(storeEntry(formWith({2024, 5, 10}, "a"), *store, "", prompt), 0);
    EXPECT_EQ(storeEntry(formWith({2024, 5, 12}, "b"), *store, "", prompt), 1);
    EXPECT_EQ(storeEntry(formWith({2024, 5, 10}, "c"), *store, "", prompt), 1);
    EXPECT_EQ(storeEntry(formWith({2024, 5, 1}, "d"), *store, "", prompt), 0);
    EXPECT_EQ(comments(), (std::vector<std::string>{"d", "a", "c", "b"}));
    EXPECT_TRUE(store->modified);
    EXPECT_EQ(store->lastStoredIndex, 0);
    EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(StoreEntry, emptyForm_refusedWithAWarning_nothingChanges)
{
    EntryForm form = runningForm();
    form.category = 2;
    EXPECT_EQ(storeEntry(form, *store, "", prompt), -1);
    EXPECT_EQ(prompt.lines(), (std::vector<std::string>{"Orvanta: Nothing to save!"}));
    EXPECT_EQ(prompt.shown.at(0).icon, UserPrompt::Icon::Warning);
    EXPECT_EQ(store->entryCount, 0);
    EXPECT_FALSE(store->modified);
}

TEST_F(StoreEntry, modifyingOtherFields_keepsThePlace_modifyingTheDate_movesTheEntry)
{
    for (const char* c : {"a", "b", "c"})
        storeEntry(formWith({2024, 5, c[0] - 'a' + 10}, c), *store, "", prompt);
    store->editingIndex = 1;
    EXPECT_EQ(storeEntry(formWith({2024, 5, 11}, "B"), *store, "", prompt), 1);
    EXPECT_EQ(comments(), (std::vector<std::string>{"a", "B", "c"}));
    EXPECT_EQ(store->editingIndex, -1);
    store->editingIndex = 0;
    EXPECT_EQ(storeEntry(formWith({2024, 6, 1}, "A"), *store, "", prompt), 2);
    EXPECT_EQ(comments(), (std::vector<std::string>{"B", "c", "A"}));
    EXPECT_EQ(store->entryCount, 3);
    EXPECT_EQ(store->editingIndex, -1);
}

TEST_F(StoreEntry, fullLog_refusesANewEntry_butModifiesOne)
{
    storeEntry(formWith({2024, 5, 10}, "first"), *store, "", prompt);
    for (std::size_t i = 1; i < LogStore::kMaxEntries; ++i)
        store->entry(i) = store->entry(0);
    store->entryCount = LogStore::kMaxEntries;
    store->modified = false;
    EXPECT_EQ(storeEntry(formWith({2024, 5, 11}, "one too many"), *store, "", prompt), -1);
    EXPECT_EQ(prompt.lines(), (std::vector<std::string>{std::string("Orvanta: ") + msg::kLogFull}));
    EXPECT_EQ(store->entryCount, LogStore::kMaxEntries);
    EXPECT_FALSE(store->modified);
    store->editingIndex = 5;
    EXPECT_EQ(storeEntry(formWith({2024, 5, 11}, "changed"), *store, "", prompt), LogStore::kMaxEntries - 1);
    EXPECT_EQ(store->entry(LogStore::kMaxEntries - 1).commentText, "changed");
    EXPECT_EQ(store->entryCount, LogStore::kMaxEntries);
}

TEST_F(StoreEntry, downloadFile_getsEachStoredEntryAsALine_evenAChangedOne)
{
    TempDir dir;
    const std::string download = dir.file("Download.dat");
    EntryForm form = formWith({2024, 5, 10}, "easy");
    form.distance = "5";
    form.time = "40:00";
    const int index = storeEntry(form, *store, download, prompt);
    const std::string first = formatEntryLine(store->entry(static_cast<std::size_t>(index)), false, *store);
    EXPECT_EQ(first, "05/10/24\tTR\t5M\t40:00\t\t\teasy\r\n");
    store->editingIndex = index;
    form.comment = "easy, windy";
    storeEntry(form, *store, download, prompt);
    EXPECT_EQ(readFile(download), first + "05/10/24\tTR\t5M\t40:00\t\t\teasy, windy\r\n");
}

TEST_F(StoreEntry, downloadFileThatCantBeWritten_entryStaysSaved_silently)
{
    TempDir dir;
    EXPECT_EQ(storeEntry(formWith({2024, 5, 10}, "kept"), *store, dir.file("missing/Download.dat"), prompt), 0);
    EXPECT_EQ(store->entryCount, 1);
    EXPECT_TRUE(prompt.shown.empty());
}

// ---- Clearing and filling the form ------------------------------------

TEST(ClearForm, sportOneTrainingEmptyTexts_dateKept_paceComputedAgain)
{
    auto store = makeStore();
    EntryForm form = runningForm({2023, 1, 2});
    form.sport = 3;
    form.category = 2;
    form.units = DistanceUnit::Meters;
    form.distance = form.time = form.pace = form.route = form.comment = "x";
    form.computed = MissingValue::Time;
    clearForm(form, *store);
    EXPECT_EQ(form.sport, 1);
    EXPECT_EQ(form.units, DistanceUnit::Miles);
    EXPECT_EQ(form.category, 0);
    EXPECT_EQ(form.distance + form.time + form.pace + form.route + form.comment, "");
    EXPECT_EQ(form.computed, MissingValue::Pace);
    EXPECT_EQ(form.date, (CalendarDate{2023, 1, 2}));
}

TEST(FillFromEntry, modifyTakesTheDate_duplicateKeepsTheForms)
{
    auto store = makeStore();
    ScriptedPrompt prompt;
    EntryForm typed = runningForm({2002, 3, 14});
    typed.sport = 2;
    typed.category = 1;
    typed.units = DistanceUnit::Kilometers;
    typed.distance = "20";
    typed.time = "40:00";
    typed.pace = "30.0";
    typed.route = "Track";
    typed.comment = "Windy";
    LogEntry entry;
    ASSERT_TRUE(buildEntry(typed, *store, entry));

    EntryForm form = runningForm({2024, 5, 17});
    fillFromEntry(form, *store, entry, true);
    EXPECT_EQ(form.date, (CalendarDate{2002, 3, 14}));
    EXPECT_EQ(form.sport, 2);
    EXPECT_EQ(store->currentSport, 2);
    EXPECT_EQ(form.category, 1);
    EXPECT_EQ(form.distance, "20");
    EXPECT_EQ(form.units, DistanceUnit::Kilometers);
    EXPECT_EQ(form.time + "|" + form.pace + "|" + form.route + "|" + form.comment, "40:00|30.0|Track|Windy");

    EntryForm duplicate = runningForm({2024, 5, 17});
    fillFromEntry(duplicate, *store, entry, false);
    EXPECT_EQ(duplicate.date, (CalendarDate{2024, 5, 17}));
    EXPECT_EQ(duplicate.distance, "20");
}

TEST(FillFromEntry, distanceWithoutUnitLetter_keepsTheWholeText_blankUnits)
{
    auto store = makeStore();
    LogEntry entry;
    entry.dateText = "03/01/02";
    entry.kindSport = "RR";
    entry.distanceText = "~6.2";
    EntryForm form = runningForm();
    fillFromEntry(form, *store, entry, true);
    EXPECT_EQ(form.distance, "~6.2");
    EXPECT_EQ(form.units, DistanceUnit::None);
    EXPECT_EQ(form.category, 2);
    EXPECT_EQ(form.sport, 1);
}

TEST(FillFromEntry, dayFirstDates_unknownLetterAndShortKind)
{
    auto store = makeStore();
    store->setDateFormat(2);
    LogEntry entry;
    entry.dateText = "21/03/49";
    entry.kindSport = "TZ";
    EntryForm form = runningForm();
    fillFromEntry(form, *store, entry, true);
    EXPECT_EQ(form.date, (CalendarDate{2049, 3, 21}));
    EXPECT_EQ(form.sport, 0);
    EXPECT_EQ(form.category, 0);
    entry.kindSport = "I";
    form.sport = 2;
    fillFromEntry(form, *store, entry, false);
    EXPECT_EQ(form.sport, 0);
    EXPECT_EQ(form.category, 1);
}

TEST(SplitDistance, unitLetterMeansItsUnit_caseMatters)
{
    EXPECT_EQ(splitDistance("5K").number, "5");
    EXPECT_EQ(splitDistance("5K").units, DistanceUnit::Kilometers);
    EXPECT_EQ(splitDistance("800m").units, DistanceUnit::Meters);
    EXPECT_EQ(splitDistance("3M").units, DistanceUnit::Miles);
    EXPECT_EQ(splitDistance("1500Y").number, "1500");
    EXPECT_EQ(splitDistance("12k").number, "12k");
    EXPECT_EQ(splitDistance("12k").units, DistanceUnit::None);
    EXPECT_EQ(splitDistance("").number, "");
}

TEST(EntryDates, onlyYearsTheTwoDigitWindowReadsBack)
{
    EXPECT_FALSE(dateFitsEntry({1949, 12, 31}));
    EXPECT_TRUE(dateFitsEntry({1950, 1, 1}));
    EXPECT_TRUE(dateFitsEntry({2049, 12, 31}));
    EXPECT_FALSE(dateFitsEntry({2050, 1, 1}));
}

}  // namespace
