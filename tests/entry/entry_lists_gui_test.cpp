// The recent-entries and Log lists in the real window: their rows and
// colours, double click, the right-button popup, and Delete, Modify and
// Duplicate on the Day page.
#include <QImage>
#include <QScrollBar>

#include "entry_gui_support.h"
#include "shell/entry_list_model.h"
#include "shell/logic/entry_lists.h"

namespace {

using namespace entrytest;

using EntryListsGui = EntryWindowTest;

QString rowText(const QListView& list, int row)
{
    return list.model()->index(row, 0).data().toString();
}

int topRow(const QListView& list)
{
    return list.verticalScrollBar()->value();
}

void showAllEntries(MainWindow& window)
{
    window.action(cmd::ShowAllHighlight)->trigger();
}

TEST_F(EntryListsGui, recentList_showsTheLastNineOfTen_scrolledToItsEnd)
{
    addEntries(10);
    const QListView& recent = *entryPage().recentList();
    ASSERT_EQ(recent.model()->rowCount(), 9);
    // 784 pixels at 8 a character: route and comment columns of 30.
    EXPECT_EQ(rowText(recent, 0).toStdString(),
              "05/02/24 R " + std::string(26, ' ') + " " + std::string(30, ' ') + " 2");
    EXPECT_TRUE(rowText(recent, 8).startsWith("05/10/24 R "));
    EXPECT_EQ(topRow(recent), 4);
    EXPECT_EQ(recent.indexAt(QPoint(2, 2)).row(), 4);
}

TEST_F(EntryListsGui, logList_selectedOnlyOrAll_doubleClickOpensTheRowsEntry)
{
    addEntries(5);
    store.entry(1).selected = 0;
    LogPage& page = showLogPage();
    emit page.logChanged();
    QListView& list = *page.logList();
    EXPECT_EQ(list.model()->rowCount(), 4);
    EXPECT_EQ(window->windowTitle(), "The Orvanta - log, 4/5 entries");
    showAllEntries(*window);
    ASSERT_EQ(list.model()->rowCount(), 5);
    EXPECT_TRUE(rowText(list, 1).startsWith("05/02/24"));
    const QRect row3 = list.visualRect(list.model()->index(3, 0));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, row3.center());
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, row3.center());
    EXPECT_EQ(window->currentPage(), 2);
    EXPECT_EQ(state.dayEntry, 3);
}

TEST_F(EntryListsGui, logRows_raceRed_oddWeeksGrey_highlightedSelectionYellow)
{
    // Monday 6 May to Sunday 19 May: two weeks, so both parities show.
    for (int day = 6; day <= 19; ++day)
        addEntry(store, {2024, 5, day}, "x", day == 8 ? 'R' : 'T');
    for (int i = 0; i < store.entryCount; ++i)
        store.entry(static_cast<std::size_t>(i)).selected = i == 9 ? 1 : 0;
    LogPage& page = showLogPage();
    showAllEntries(*window);
    QListView& list = *page.logList();
    const QImage image = list.viewport()->grab().toImage();
    const int right = image.width() - 3;
    const QColor white = list.palette().color(QPalette::Base);
    for (int row = 0; row < store.entryCount; ++row) {
        const LogEntry& entry = store.entry(static_cast<std::size_t>(row));
        const QRect rect = list.visualRect(list.model()->index(row, 0));
        const QColor background = image.pixelColor(right, rect.center().y());
        const QColor expected = row == 9                ? QColor(255, 255, 0)
                                : (entry.weekIndex & 1) ? QColor(0xE0, 0xE0, 0xE0)
                                                        : white;
        EXPECT_EQ(background.name(), expected.name()) << "row " << row;
        bool red = false;
        for (int x = 0; x < 120 && !red; ++x)
            for (int y = rect.top(); y <= rect.bottom() && !red; ++y)
                red = image.pixelColor(x, y) == QColor(255, 0, 0);
        EXPECT_EQ(red, row == 2) << "row " << row;
    }
    EXPECT_NE(store.entry(0).weekIndex & 1, store.entry(7).weekIndex & 1);
}

TEST_F(EntryListsGui, popupView_showsTheEntryOnTheDayPage)
{
    addEntries(4);
    QListView& list = *entryPage().recentList();
    QStringList offered;
    rightClickRow(list, 1, [&offered](QMenu& menu) {
        offered = itemTexts(menu);
        chooseItem(menu, "View");
    });
    EXPECT_EQ(offered, (QStringList{"View", "Modify", "Duplicate"}));
    EXPECT_EQ(window->currentPage(), 2);
    EXPECT_EQ(state.dayEntry, 1);
}

TEST_F(EntryListsGui, rightButtonBelowTheLastRow_offersNothing)
{
    addEntries(3);
    LogPage& page = showLogPage();
    QListView& list = *page.logList();
    state.dayEntry = 1;
    // Any popup that did open is closed again, so the click always returns.
    bool opened = false;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&opened] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            opened = true;
            popup->close();
        }
    });
    closer.start(5);
    const QRect last = list.visualRect(list.model()->index(2, 0));
    QTest::mouseClick(list.viewport(), Qt::RightButton, Qt::NoModifier, QPoint(last.center().x(), last.bottom() + 40));
    QTest::qWait(30);
    EXPECT_FALSE(opened);
    EXPECT_EQ(state.dayEntry, 1);
    EXPECT_EQ(window->currentPage(), 1);
}

TEST_F(EntryListsGui, popupModify_fillsTheForm_newDateMovesTheEntry)
{
    addEntries(4);
    LogPage& page = showLogPage();
    rightClickRow(*page.logList(), 1, [](QMenu& menu) { chooseItem(menu, "Modify"); });
    ASSERT_EQ(window->currentPage(), 0);
    DataEntryPage& entry = entryPage();
    EXPECT_EQ(state.dayEntry, 1);
    EXPECT_EQ(store.editingIndex, 1);
    EXPECT_EQ(entry.saveButton()->text(), "Modify");
    EXPECT_EQ(entry.entryDate()->date(), QDate(2024, 5, 2));
    EXPECT_EQ(entry.commentEdit()->toPlainText(), "2");
    entry.entryDate()->setDate(QDate(2024, 6, 1));
    focus(entry.commentEdit());
    press(Qt::Key_End, Qt::ControlModifier);
    type(" moved");
    press(Qt::Key_Return);
    EXPECT_EQ(comments(), (std::vector<std::string>{"1", "3", "4", "2 moved"}));
    EXPECT_EQ(entry.saveButton()->text(), "Save");
    EXPECT_EQ(store.editingIndex, -1);
    EXPECT_EQ(store.entryCount, 4);
}

TEST_F(EntryListsGui, modifyingOtherFields_keepsTheEntrysPlace_andTheLogListBringsItIntoView)
{
    addEntries(100);
    LogPage& page = showLogPage();
    QListView& list = *page.logList();
    ASSERT_GT(page.logRows(), 10);
    EXPECT_EQ(topRow(list), 100 - page.logRows());
    state.dayEntry = 10;
    window->switchToPage(2);
    qobject_cast<DayPage*>(window->page(2))->modifyButton()->click();
    ASSERT_EQ(window->currentPage(), 0);
    focus(entryPage().routeEdit());
    type("changed");
    press(Qt::Key_Return);
    EXPECT_EQ(store.entry(10).routeText, "changed");
    EXPECT_EQ(store.entry(10).commentText, "11");
    EXPECT_EQ(store.entryCount, 100);
    // Stored above the rows shown, the entry becomes the Log list's top row.
    EXPECT_EQ(topRow(list), 10);
    // A later refill scrolls to the end again.
    showAllEntries(*window);
    EXPECT_EQ(topRow(list), 100 - page.logRows());
}

TEST_F(EntryListsGui, dayPageDuplicate_keepsTheFormsDate_andTheDistanceAsStored)
{
    addEntries(2);
    store.entry(1).distanceText = "~6.2";
    state.dayEntry = 1;
    window->switchToPage(2);
    auto& day = *qobject_cast<DayPage*>(window->page(2));
    entryPage().entryDate()->setDate(QDate(2024, 5, 17));
    day.duplicateButton()->click();
    ASSERT_EQ(window->currentPage(), 0);
    DataEntryPage& entry = entryPage();
    EXPECT_EQ(store.editingIndex, -1);
    EXPECT_EQ(entry.saveButton()->text(), "Save");
    EXPECT_EQ(entry.entryDate()->date(), QDate(2024, 5, 17));
    EXPECT_EQ(entry.distanceEdit()->text(), "~6.2");
    EXPECT_EQ(entry.unitsCombo()->currentIndex(), 0);
    entry.saveButton()->click();
    EXPECT_EQ(comments(), (std::vector<std::string>{"1", "2", "2"}));
    EXPECT_EQ(store.entry(2).dateText, "05/17/24");
}

TEST_F(EntryListsGui, dayPageModify_marksTheEntryBeingModified)
{
    addEntries(3);
    state.dayEntry = 0;
    window->switchToPage(2);
    qobject_cast<DayPage*>(window->page(2))->modifyButton()->click();
    ASSERT_EQ(window->currentPage(), 0);
    EXPECT_EQ(store.editingIndex, 0);
    EXPECT_EQ(entryPage().entryDate()->date(), QDate(2024, 5, 1));
}

TEST_F(EntryListsGui, dayPageDelete_no_keepsTheEntry_yes_removesIt)
{
    addEntries(3);
    state.dayEntry = 0;
    window->switchToPage(2);
    auto& day = *qobject_cast<DayPage*>(window->page(2));
    prompt.answers = {UserPrompt::Answer::No, UserPrompt::Answer::Yes};
    day.deleteButton()->click();
    EXPECT_EQ(store.entryCount, 3);
    day.deleteButton()->click();
    EXPECT_EQ(comments(), (std::vector<std::string>{"2", "3"}));
    // The first gone, the day view shows the new first.
    EXPECT_EQ(state.dayEntry, 0);
    EXPECT_EQ(window->windowTitle(), "The Orvanta - log, 2/2 entries");
    const std::string question =
        "Orvanta: Are you sure you want to delete this entry? There is no \"undo\" for this operation.";
    EXPECT_EQ(prompt.lines(), (std::vector<std::string>{question, question}));
    EXPECT_EQ(prompt.shown.at(0).buttons, UserPrompt::Buttons::YesNo);
    EXPECT_EQ(entryPage().recentModel()->rowCount(), 2);
}

TEST_F(EntryListsGui, deletingTheEntryBeingModified_endsModifyMode_anEarlierOneKeepsItsTarget)
{
    addEntries(4);
    form().fillFromEntry(2, true);
    state.dayEntry = 0;
    window->switchToPage(2);
    auto& day = *qobject_cast<DayPage*>(window->page(2));
    prompt.answers = {UserPrompt::Answer::Yes, UserPrompt::Answer::Yes};
    day.deleteButton()->click();  // entry "1": the one being modified moves to index 1
    EXPECT_EQ(store.editingIndex, 1);
    window->switchToPage(0);
    focus(entryPage().commentEdit());
    press(Qt::Key_End, Qt::ControlModifier);
    type(" changed");
    press(Qt::Key_Return);
    EXPECT_EQ(comments(), (std::vector<std::string>{"2", "3 changed", "4"}));

    form().fillFromEntry(1, true);
    state.dayEntry = 1;
    window->switchToPage(2);
    day.deleteButton()->click();
    EXPECT_EQ(store.editingIndex, -1);
    EXPECT_EQ(entryPage().saveButton()->text(), "Save");
}

}  // namespace
