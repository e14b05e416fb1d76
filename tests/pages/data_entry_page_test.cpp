// The Data Entry page: its form, its list and what a resize keeps.
#include <QComboBox>
#include <QDateEdit>
#include <QFontMetrics>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include "page_test_support.h"
#include "shell/pages/data_entry_page.h"

namespace {

using namespace pagetest;

using DataEntryPageTest = PageTest;

TEST_F(DataEntryPageTest, controlsInCreationOrder_withTheirNamesAndClasses)
{
    auto page = make<DataEntryPage>();
    const std::vector<std::pair<QString, QString>> expected = {
        {"entryDate", "QDateEdit"},    {"ctl2004", "QComboBox"},        {"ctl2005", "QComboBox"},
        {"distanceEdit", "QLineEdit"}, {"ctl2006", "QComboBox"},        {"timeEdit", "QLineEdit"},
        {"paceEdit", "QLineEdit"},     {"routeEdit", "QPlainTextEdit"}, {"commentEdit", "QPlainTextEdit"},
        {"ctl2003", "QToolButton"},    {"ctl2002", "QToolButton"},      {"ctl2000", "QPushButton"},
        {"ctl2001", "QPushButton"},    {"ctl1060", "QListView"},
    };
    EXPECT_EQ(controlsOf(page.get()), expected);
    EXPECT_EQ(page->saveButton()->text(), "Save");
    EXPECT_EQ(page->clearButton()->text(), "Clear");
    EXPECT_TRUE(page->saveButton()->isDefault());
    EXPECT_FALSE(page->clearButton()->isDefault());
}

TEST_F(DataEntryPageTest, clientHeight480_boxesAndButtonsWhereTheLayoutPutsThem)
{
    auto page = make<DataEntryPage>(QSize(640, 480));
    EXPECT_EQ(page->geometry(), QRect(0, 25, 640, 455));
    EXPECT_EQ(clientGeometry(page->routeEdit()), QRect(80, 75, 550, 100));     // y 75 to 175
    EXPECT_EQ(clientGeometry(page->commentEdit()), QRect(80, 195, 550, 100));  // y 195 to 295
    EXPECT_EQ(clientGeometry(page->keywordButton()), QRect(62, 228, 12, 12));
    EXPECT_EQ(clientGeometry(page->autofillButton()), QRect(62, 123, 12, 12));
    EXPECT_EQ(clientGeometry(page->saveButton()), QRect(280, 305, 80, 30));
    EXPECT_EQ(clientGeometry(page->clearButton()), QRect(20, 305, 80, 30));
    // Asked for 96 pixels, the list keeps five whole rows and its border.
    EXPECT_EQ(clientGeometry(page->recentList()), QRect(8, 364, 624, 82));
    EXPECT_EQ(Page::askedHeight(page->recentList()), 96);
    EXPECT_LE(clientGeometry(page->recentList()).bottom(), page->clientRect().height() - 1);
    EXPECT_EQ(clientGeometry(page->entryDate()), QRect(46, 5, 120, 24));
    EXPECT_EQ(clientGeometry(page->distanceEdit()), QRect(72, 43, 95, 20));
    EXPECT_EQ(clientGeometry(page->timeEdit()), QRect(295, 43, 90, 20));
    EXPECT_EQ(clientGeometry(page->paceEdit()), QRect(440, 43, 90, 20));
    EXPECT_EQ(comboPlace(page->sportCombo()), QRect(225, 5, 160, 0));
    EXPECT_EQ(comboPlace(page->categoryCombo()), QRect(470, 5, 100, 0));
    EXPECT_EQ(comboPlace(page->unitsCombo()), QRect(175, 41, 70, 0));
    EXPECT_EQ(Page::dropHeight(page->sportCombo()), 180);
    EXPECT_EQ(Page::dropHeight(page->unitsCombo()), 180);
}

TEST_F(DataEntryPageTest, derivedLayoutValues)
{
    auto page = make<DataEntryPage>(QSize(640, 480));
    EXPECT_EQ(page->keywordButtonTop(), 228);
    EXPECT_EQ(page->autofillButtonTop(), 125);
    EXPECT_EQ(page->listWidth(), 624);
    // Liberation Mono, like Courier New, is 0.6 em wide: 8.4 px a character
    // in a 16-pixel cell (14 px em).
    EXPECT_EQ(page->listCharWidth(), 8);
}

TEST_F(DataEntryPageTest, formTakesThePageFont_listTheListFont)
{
    auto page = make<DataEntryPage>();
    for (QWidget* control : page->formControls()) {
        SCOPED_TRACE(control->objectName().toStdString());
        EXPECT_EQ(control->font().family(), "Ariel");
        EXPECT_EQ(QFontMetrics(control->font()).height(), 16);
        EXPECT_EQ(control->font().weight(), QFont::Bold);
        EXPECT_EQ(resolvedFamily(control->font()), "Liberation Sans");
    }
    EXPECT_EQ(QFontMetrics(page->recentList()->font()).height(), 16);
    EXPECT_EQ(page->recentList()->font().weight(), QFont::Normal);
    EXPECT_EQ(resolvedFamily(page->recentList()->font()), "Liberation Mono");
    EXPECT_NE(page->keywordButton()->font(), fonts.pageFont);
}

TEST_F(DataEntryPageTest, recentList_showsFiveSixteenPixelRows)
{
    loadLog("spring_2002_three_sports.dat");
    for (int i = 0; store.entryCount < 9; ++i)
        store.insertSorted(store.entry(static_cast<std::size_t>(i)));
    auto page = make<DataEntryPage>(QSize(640, 480));
    page->show();
    page->refresh();
    const QListView* list = page->recentList();
    const QAbstractItemModel* model = list->model();
    ASSERT_EQ(model->rowCount(), 9);
    // Scrolled to its end: rows 4 to 8 show, 16 pixels each.
    EXPECT_EQ(list->viewport()->height(), 80);
    EXPECT_EQ(list->visualRect(model->index(4, 0)).top(), 0);
    EXPECT_EQ(list->visualRect(model->index(5, 0)).top(), 16);
    EXPECT_EQ(list->indexAt(QPoint(2, 79)).row(), 8);
    EXPECT_EQ(list->visualRect(model->index(3, 0)).top(), -16);
}

TEST_F(DataEntryPageTest, initialItemsAndSelections)
{
    auto page = make<DataEntryPage>();
    EXPECT_EQ(comboTexts(page->categoryCombo()), QStringList({"Training", "Intervals", "Race"}));
    EXPECT_EQ(page->categoryCombo()->currentText(), "Training");
    EXPECT_EQ(comboTexts(page->unitsCombo()), QStringList({"", "miles", "km", "yards", "meters"}));
    EXPECT_EQ(page->unitsCombo()->currentIndex(), 0);
    EXPECT_EQ(page->sportCombo()->count(), 0);
    EXPECT_FALSE(page->categoryCombo()->isEditable());
    EXPECT_EQ(page->entryDate()->date(), QDate(2024, 5, 17));
    EXPECT_TRUE(page->entryDate()->calendarPopup());
    EXPECT_EQ(page->entryDate()->displayFormat(), "MM/dd/yy");
    EXPECT_EQ(page->routeEdit()->toPlainText(), "");
}

TEST_F(DataEntryPageTest, dayFirstLog_showsDayFirstDates)
{
    store.setDateFormat(2);
    auto page = make<DataEntryPage>();
    EXPECT_EQ(page->entryDate()->displayFormat(), "dd/MM/yy");
    EXPECT_EQ(page->entryDate()->text(), "17/05/24");
}

TEST_F(DataEntryPageTest, tabVisitsTheFieldsInCreationOrder_notTheButtons)
{
    auto page = make<DataEntryPage>();
    const std::vector<QString> expected = {"entryDate", "ctl2004",  "ctl2005",   "distanceEdit", "ctl2006",
                                           "timeEdit",  "paceEdit", "routeEdit", "commentEdit"};
    EXPECT_EQ(tabChainOf(page.get()), expected);
    EXPECT_EQ(page->saveButton()->focusPolicy(), Qt::ClickFocus);
    EXPECT_TRUE(page->routeEdit()->tabChangesFocus());
}

TEST_F(DataEntryPageTest, resize_movesTheControlsAndKeepsWhatWasTyped)
{
    auto page = make<DataEntryPage>(QSize(640, 480));
    page->entryDate()->setDate(QDate(2002, 3, 1));
    page->categoryCombo()->setCurrentIndex(2);
    page->unitsCombo()->setCurrentIndex(1);
    page->distanceEdit()->setText("5.2");
    page->timeEdit()->setText("45:30");
    page->routeEdit()->setPlainText("River loop\nand back");
    page->commentEdit()->setPlainText("Easy day");
    page->setPaceUnitsLabel("mpm");

    resizeTo(*page, QSize(800, 600));
    renderPage(*page, "data_entry_typed_800x600");

    EXPECT_EQ(clientGeometry(page->routeEdit()), QRect(80, 75, 710, 160));
    EXPECT_EQ(clientGeometry(page->commentEdit()), QRect(80, 255, 710, 160));
    EXPECT_EQ(clientGeometry(page->saveButton()), QRect(360, 425, 80, 30));
    EXPECT_EQ(clientGeometry(page->recentList()), QRect(8, 484, 784, 82));
    EXPECT_EQ(page->keywordButtonTop(), 288);
    EXPECT_EQ(page->listWidth(), 784);

    EXPECT_EQ(page->entryDate()->date(), QDate(2002, 3, 1));
    EXPECT_EQ(page->categoryCombo()->currentText(), "Race");
    EXPECT_EQ(page->unitsCombo()->currentText(), "miles");
    EXPECT_EQ(page->distanceEdit()->text(), "5.2");
    EXPECT_EQ(page->timeEdit()->text(), "45:30");
    EXPECT_EQ(page->routeEdit()->toPlainText(), "River loop\nand back");
    EXPECT_EQ(page->commentEdit()->toPlainText(), "Easy day");
    EXPECT_EQ(page->paceUnitsLabel(), "mpm");
}

}  // namespace
