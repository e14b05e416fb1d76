// The Data Entry form typed into with the keyboard: the tab order, leaving
// a field, the completion, Enter and Save, Clear, the sport list, the
// 255-character warning and the refusals.
#include "entry_gui_support.h"
#include "log/log_writer.h"
#include "log/messages.h"
#include "shell/logic/entry_lists.h"

namespace {

using namespace entrytest;

QStringList comboItems(const QComboBox& combo)
{
    QStringList items;
    for (int i = 0; i < combo.count(); ++i)
        items.append(combo.itemText(i));
    return items;
}

using EntryFormGui = EntryWindowTest;

TEST_F(EntryFormGui, typedWorkout_tabSkipsPace_enterInCommentSaves)
{
    DataEntryPage& page = entryPage();
    focus(page.distanceEdit());
    type("6.2");
    press(Qt::Key_Tab);
    EXPECT_EQ(focusedField(), page.timeEdit());
    type("49:36");
    press(Qt::Key_Tab);
    // Distance and time hold text: the pace will be computed, Tab skips it.
    EXPECT_EQ(focusedField(), page.routeEdit());
    EXPECT_EQ(page.paceEdit()->text(), "8:00");
    type("River loop");
    press(Qt::Key_Tab);
    EXPECT_EQ(focusedField(), page.commentEdit());
    type("easy");
    press(Qt::Key_Return);

    ASSERT_EQ(store.entryCount, 1);
    const LogEntry& entry = store.entry(0);
    EXPECT_EQ(formatEntryLine(entry, false, store), "05/17/24\tTR\t6.2M\t49:36\t8:00\tRiver loop\teasy\r\n");
    EXPECT_TRUE(store.modified);
    // The form is empty again, the date kept, the focus back on the date.
    EXPECT_EQ(page.distanceEdit()->text() + page.timeEdit()->text() + page.paceEdit()->text(), "");
    EXPECT_EQ(page.routeEdit()->toPlainText() + page.commentEdit()->toPlainText(), "");
    EXPECT_EQ(page.entryDate()->date(), QDate(2024, 5, 17));
    EXPECT_EQ(focusedField(), page.entryDate());
    EXPECT_EQ(window->windowTitle(), "The Orvanta - log, 1/1 entries");
    EXPECT_EQ(state.dayEntry, 0);
    EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(EntryFormGui, tabAndShiftTab_goRoundTheFormInItsOrder)
{
    DataEntryPage& page = entryPage();
    const std::vector<QWidget*> order = {page.entryDate(), page.sportCombo(), page.categoryCombo(), page.distanceEdit(),
                                         page.timeEdit(),  page.paceEdit(),   page.routeEdit(),     page.commentEdit()};
    focus(page.entryDate());
    for (std::size_t i = 1; i <= order.size(); ++i) {
        press(Qt::Key_Tab);
        EXPECT_EQ(focusedField(), order[i % order.size()]) << "Tab " << i;
    }
    for (std::size_t i = order.size(); i-- > 0;) {
        press(Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_EQ(focusedField(), order[i]) << "Shift+Tab to " << i;
    }
    // Only the time typed: Tab goes on to the pace; no tab is typed anywhere.
    focus(page.timeEdit());
    type("45:00");
    press(Qt::Key_Tab);
    EXPECT_EQ(focusedField(), page.paceEdit());
    focus(page.routeEdit());
    press(Qt::Key_Tab);
    EXPECT_EQ(page.routeEdit()->toPlainText(), "");
}

TEST_F(EntryFormGui, completion_eachOfTheThreeValues)
{
    DataEntryPage& page = entryPage();
    // Distance and pace give the time, marked approximate.
    focus(page.distanceEdit());
    type("6.2");
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    EXPECT_EQ(focusedField(), page.paceEdit());
    type("8:00");
    press(Qt::Key_Tab);
    EXPECT_EQ(page.timeEdit()->text(), "~49:36");
    EXPECT_EQ(page.distanceEdit()->text(), "6.2");
    page.clearButton()->click();

    // Time and pace give the distance, in the sport's units.
    page.unitsCombo()->setCurrentIndex(0);
    focus(page.timeEdit());
    type("49:36");
    press(Qt::Key_Tab);
    type("8:00");
    press(Qt::Key_Tab);
    EXPECT_EQ(page.distanceEdit()->text(), "~6.2");
    EXPECT_EQ(page.unitsCombo()->currentText(), "miles");
    page.clearButton()->click();

    // Distance and time give the pace, without the mark.
    focus(page.distanceEdit());
    type("10");
    page.unitsCombo()->setCurrentIndex(2);  // km
    focus(page.timeEdit());
    type("44:10");
    press(Qt::Key_Tab);
    EXPECT_EQ(page.paceEdit()->text(), "7:06.5");
    EXPECT_EQ(page.distanceEdit()->text(), "10");
    EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(EntryFormGui, leavingTheTime_normalisesIt_andWarnsOfExtraColons)
{
    DataEntryPage& page = entryPage();
    focus(page.timeEdit());
    type("1:2:3:4");
    press(Qt::Key_Tab);
    EXPECT_EQ(page.timeEdit()->text(), "1:02:34");
    EXPECT_EQ(prompt.lines(), (std::vector<std::string>{std::string("Data input error!: ") + kTooManyColons}));
    EXPECT_EQ(prompt.shown.at(0).icon, UserPrompt::Icon::Warning);
    focus(page.timeEdit());
    page.timeEdit()->clear();
    type("9000");
    page.saveButton()->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(page.timeEdit()->text(), "1:30:00");
}

TEST_F(EntryFormGui, emptyForm_enterAndSaveSayNothingToSave)
{
    DataEntryPage& page = entryPage();
    focus(page.entryDate());
    press(Qt::Key_Return);
    page.categoryCombo()->setCurrentIndex(2);
    QTest::mouseClick(page.saveButton(), Qt::LeftButton);
    EXPECT_EQ(prompt.lines(), (std::vector<std::string>{"Orvanta: Nothing to save!", "Orvanta: Nothing to save!"}));
    EXPECT_EQ(prompt.shown.at(0).icon, UserPrompt::Icon::Warning);
    EXPECT_EQ(store.entryCount, 0);
    EXPECT_FALSE(store.modified);
}

TEST_F(EntryFormGui, enterInAComboOrTheDate_savesToo)
{
    DataEntryPage& page = entryPage();
    focus(page.commentEdit());
    type("first");
    focus(page.categoryCombo());
    press(Qt::Key_Enter);
    ASSERT_EQ(store.entryCount, 1);
    focus(page.routeEdit());
    type("second");
    focus(page.entryDate());
    press(Qt::Key_Return);
    EXPECT_EQ(store.entryCount, 2);
    EXPECT_EQ(store.entry(1).routeText, "second");
}

TEST_F(EntryFormGui, twoHundredFiftyFifthCharacter_warnsOnce)
{
    DataEntryPage& page = entryPage();
    focus(page.commentEdit());
    type(QString(254, QLatin1Char('a')));
    EXPECT_TRUE(prompt.shown.empty());
    type("b");
    type("cd");
    EXPECT_EQ(page.commentEdit()->toPlainText().size(), 257);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].caption, "The Orvanta.");
    EXPECT_EQ(prompt.shown[0].text,
              "You have now entered 255 characters in this box. If you enter any more, your data will no longer be "
              "compatible with the Palm version of The Orvanta");
    // The route box warns the same way; text put there by the program does not.
    page.routeEdit()->setPlainText(QString(255, QLatin1Char('r')));
    EXPECT_EQ(prompt.shown.size(), 1u);
    focus(page.routeEdit());
    page.routeEdit()->clear();
    type(QString(255, QLatin1Char('r')));
    EXPECT_EQ(prompt.shown.size(), 2u);
}

TEST_F(EntryFormGui, choosingASport_setsItsUnitsAndPaceLabel)
{
    DataEntryPage& page = entryPage();
    QComboBox* sports = page.sportCombo();
    EXPECT_EQ(comboItems(*sports), (QStringList{"None", "Running", "Cycling", "Swimming", "Yoga"}));
    EXPECT_EQ(sports->currentText(), "Running");
    EXPECT_EQ(page.paceUnitsLabel(), "mpm");
    focus(sports);
    press(Qt::Key_Down);
    EXPECT_EQ(sports->currentText(), "Cycling");
    EXPECT_EQ(page.unitsCombo()->currentText(), "km");
    EXPECT_EQ(page.paceUnitsLabel(), "kph");
    press(Qt::Key_Down);
    EXPECT_EQ(page.unitsCombo()->currentText(), "yards");
    EXPECT_EQ(page.paceUnitsLabel(), "   ");
}

TEST_F(EntryFormGui, clear_emptiesTheFormAndLeavesModifyMode)
{
    DataEntryPage& page = entryPage();
    addEntries(2);
    form().fillFromEntry(0, true);
    EXPECT_EQ(page.saveButton()->text(), "Modify");
    page.sportCombo()->setCurrentIndex(3);
    page.categoryCombo()->setCurrentIndex(2);
    page.clearButton()->click();
    EXPECT_EQ(page.saveButton()->text(), "Save");
    EXPECT_EQ(store.editingIndex, -1);
    EXPECT_EQ(page.sportCombo()->currentText(), "Running");
    EXPECT_EQ(page.categoryCombo()->currentText(), "Training");
    EXPECT_EQ(page.commentEdit()->toPlainText(), "");
    EXPECT_EQ(page.entryDate()->date(), QDate(2024, 5, 1));
}

TEST_F(EntryFormGui, newEntry_sameDayGoesAfter_earlierDayBecomesFirst)
{
    DataEntryPage& page = entryPage();
    addEntries(3);  // 1, 2 and 3 May
    page.entryDate()->setDate(QDate(2024, 5, 2));
    focus(page.commentEdit());
    type("also the 2nd");
    press(Qt::Key_Return);
    page.entryDate()->setDate(QDate(2024, 4, 30));
    focus(page.commentEdit());
    type("April");
    press(Qt::Key_Return);
    EXPECT_EQ(comments(), (std::vector<std::string>{"April", "1", "2", "also the 2nd", "3"}));
}

TEST_F(EntryFormGui, fullLog_refusesAnotherEntry)
{
    addEntries(1);
    for (std::size_t i = 1; i < LogStore::kMaxEntries; ++i)
        store.entry(i) = store.entry(0);
    store.entryCount = LogStore::kMaxEntries;
    emit entryPage().logChanged();
    focus(entryPage().commentEdit());
    type("one too many");
    press(Qt::Key_Return);
    EXPECT_EQ(prompt.lines(), (std::vector<std::string>{std::string("Orvanta: ") + msg::kLogFull}));
    EXPECT_EQ(store.entryCount, LogStore::kMaxEntries);
    EXPECT_EQ(entryPage().commentEdit()->toPlainText(), "one too many");
}

TEST_F(EntryFormGui, savedEntry_isAppendedToTheDownloadLog)
{
    settings.downloadLog = dir.file("Download.dat");
    focus(entryPage().distanceEdit());
    type("3");
    press(Qt::Key_Tab);
    type("27:00");
    press(Qt::Key_Return);
    EXPECT_EQ(readFile(settings.downloadLog), "05/17/24\tTR\t3M\t27:00\t9:00\t\t\r\n");
}

TEST_F(EntryFormGui, datePicker_offersOnlyYearsTheLogCanTellApart)
{
    const QDateEdit* date = entryPage().entryDate();
    EXPECT_EQ(date->minimumDate(), QDate(1950, 1, 1));
    EXPECT_EQ(date->maximumDate(), QDate(2049, 12, 31));
}

TEST_F(EntryFormGui, leaveThatComputesNothing_keepsWhatModifyComputesAgain)
{
    DataEntryPage& page = entryPage();
    // Leaving the empty form's fields computes nothing; the pace stays the
    // value a later change of time or distance computes again.
    focus(page.entryDate());
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    addEntries(1);
    LogEntry& entry = store.entry(0);
    entry.distanceText = "5.2M";
    entry.timeText = "45:00";
    entry.paceText = "8:39.2";
    form().fillFromEntry(0, true);
    focus(page.timeEdit());
    page.timeEdit()->selectAll();
    type("40:00");
    press(Qt::Key_Tab);
    EXPECT_EQ(page.paceEdit()->text(), "7:41.5");
    EXPECT_GE(form().save(), 0);
    EXPECT_EQ(store.entry(0).paceText.str(), "7:41.5");
}

TEST_F(EntryFormGui, nothingIsComputedFromATimeOrDistanceOfNothing)
{
    DataEntryPage& page = entryPage();
    focus(page.timeEdit());
    type("abc");
    press(Qt::Key_Tab);
    type("8:00");
    press(Qt::Key_Tab);
    EXPECT_EQ(page.distanceEdit()->text(), "") << "time \"abc\" is no time to compute a distance from";
    page.clearButton()->click();
    prompt.shown.clear();

    focus(page.distanceEdit());
    type("0");
    focus(page.paceEdit());
    type("8:00");
    press(Qt::Key_Tab);
    EXPECT_EQ(page.timeEdit()->text(), "") << "no time over no distance";
    prompt.shown.clear();
}

// People type a date with its separators: a "/" typed right after the
// picker moved on by itself must not skip a part.
TEST_F(EntryFormGui, datePicker_typedWithSeparators_takesEachPart)
{
    QDateEdit* date = entryPage().entryDate();
    struct Typed {
        const char* keys;
        QDate expected;
    };
    for (const Typed& row : {Typed{"03/21/10", QDate(2010, 3, 21)}, Typed{"3/5/09", QDate(2009, 3, 5)},
                             Typed{"12/31/49", QDate(2049, 12, 31)}}) {
        focus(date);
        date->setSelectedSection(QDateTimeEdit::MonthSection);
        type(QString::fromLatin1(row.keys));
        EXPECT_EQ(date->date(), row.expected) << row.keys;
    }
}

}  // namespace
