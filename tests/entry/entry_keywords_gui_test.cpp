// The Keyword and Autofill popups in the real window: inserting a keyword,
// Add New and Memorize Info with their dialogs, Autofill, and deleting an
// item with the Delete key held or through the item's own menu.
#include <QGroupBox>
#include <QRadioButton>

#include "dialogs/add_keyword_dialog.h"
#include "dialogs/autofill_name_dialog.h"
#include "entry_gui_support.h"
#include "shell/item_menu.h"
#include "shell/logic/keywords_routes.h"
#include "shell/pages/select_page.h"

namespace {

using namespace entrytest;

class EntryKeywordsGui : public EntryWindowTest {
protected:
    std::vector<std::string> keywordTexts() const
    {
        std::vector<std::string> out;
        for (int i = 0; i < store.keywordCount; ++i)
            out.push_back(store.keywords[i].text.str());
        return out;
    }
    std::vector<std::string> routeTexts() const
    {
        std::vector<std::string> out;
        for (int i = 0; i < store.routeCount; ++i)
            out.push_back(store.routes[i].text.str());
        return out;
    }
    void addKeywords()
    {
        addKeyword(store, KeywordKind::Average, "HR", "Heart rate");
        addKeyword(store, KeywordKind::NonNumeric, "Tired", "Feeling tired");
    }
    void addRoutes()
    {
        store.routes[0].text = "Park 5K\tTR\t5K\t25:00\t8:02.8\tPark\t\t";
        store.routes[1].text = "Pool\tTS\t1500Y\t30:00\t\tPool\tlaps\t";
        store.routeCount = 2;
    }
    // Where a popup of the page opens: 55 pixels in, at y of the page.
    QPoint menuPlace(int y) const
    {
        return entryPage().mapToGlobal(entryPage().clientRect().topLeft() + QPoint(55, y));
    }
    static QAbstractButton* button(QWidget& dialog, const char* name)
    {
        return dialog.findChild<QAbstractButton*>(QString::fromLatin1(name));
    }
};

TEST_F(EntryKeywordsGui, keyword_insertsItsAbbreviationAndEquals_atTheCaret_overTheSelection)
{
    addKeywords();
    QPlainTextEdit* comment = entryPage().commentEdit();
    focus(comment);
    type("Easy run xx today");
    QTextCursor cursor = comment->textCursor();
    cursor.setPosition(9);
    cursor.setPosition(11, QTextCursor::KeepAnchor);
    comment->setTextCursor(cursor);
    QStringList offered;
    QPoint openedAt;
    WhenShown::menu([&](QMenu& menu) {
        offered = itemTexts(menu);
        openedAt = menu.pos();
        chooseItem(menu, "Heart rate");
    });
    entryPage().keywordButton()->click();
    EXPECT_EQ(offered, (QStringList{"Heart rate", "Feeling tired", "  Add New"}));
    EXPECT_EQ(openedAt, menuPlace(entryPage().keywordButtonTop()));
    EXPECT_EQ(comment->toPlainText(), "Easy run HR= today");
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(focusedField(), comment);
    // A non-numeric keyword is a word and a blank.
    WhenShown::menu([](QMenu& menu) { chooseItem(menu, "Feeling tired"); });
    entryPage().keywordButton()->click();
    EXPECT_EQ(comment->toPlainText(), "Easy run HR=Tired  today");
    EXPECT_EQ(store.keywordCount, 2);
}

TEST_F(EntryKeywordsGui, addNew_theDialogAppendsTheKeyword_emptyLabelKeepsItOpen)
{
    bool stayedOpen = false;
    QString title;
    window->switchToPage(6);
    window->switchToPage(0);
    WhenShown::menu([](QMenu& menu) { chooseItem(menu, "  Add New"); });
    WhenShown::dialog([&](QWidget& dialog) {
        title = dialog.windowTitle();
        auto* keywordDialog = qobject_cast<AddKeywordDialog*>(&dialog);
        ASSERT_NE(keywordDialog, nullptr);
        EXPECT_TRUE(qobject_cast<QRadioButton*>(button(dialog, "ctl1014"))->isChecked());
        QTest::keyClicks(keywordDialog->abbreviationEdit(), "Shoe");
        button(dialog, "ctl1016")->click();
        QTest::mouseClick(button(dialog, "ctl1"), Qt::LeftButton);
        stayedOpen = dialog.isVisible();
        QTest::keyClicks(keywordDialog->labelEdit(), "Shoes worn");
        QTest::mouseClick(button(dialog, "ctl1"), Qt::LeftButton);
    });
    entryPage().keywordButton()->click();
    EXPECT_EQ(title, "The Orvanta: Add Keyword");
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(keywordTexts(), (std::vector<std::string>{"3\tShoe\tShoes worn"}));
    EXPECT_TRUE(store.modified);
    auto* select = qobject_cast<SelectPage*>(window->page(6));
    ASSERT_NE(select, nullptr);
    EXPECT_EQ(select->combo(ctl::SelectKeyword)->count(), 2);
    EXPECT_EQ(select->combo(ctl::SelectKeyword)->itemText(1), "Shoes worn") << "the Select page's keywords follow";
}

TEST_F(EntryKeywordsGui, addNew_atThirtyTwo_saysSoWithoutTheDialog)
{
    ScriptedEntryDialogs entryDialogs;
    form().setDialogs(entryDialogs);
    for (int i = 0; i < 32; ++i)
        addKeyword(store, KeywordKind::Total, "K", "Keyword");
    WhenShown::menu([](QMenu& menu) { chooseItem(menu, "  Add New"); });
    entryPage().keywordButton()->click();
    EXPECT_EQ(prompt.lines(), (std::vector<std::string>{"Orvanta: You have reached the limit of 32 keywords"}));
    EXPECT_TRUE(entryDialogs.calls.empty());
    EXPECT_EQ(store.keywordCount, 32);
}

TEST_F(EntryKeywordsGui, memorizeFiveKilometres_thenAutofill_fillsUnitsKmAndFive)
{
    DataEntryPage& page = entryPage();
    page.unitsCombo()->setCurrentIndex(2);  // km
    focus(page.distanceEdit());
    type("5");
    press(Qt::Key_Tab);
    type("25:00");
    press(Qt::Key_Tab);
    EXPECT_EQ(page.paceEdit()->text(), "8:02.8");
    QPoint openedAt;
    WhenShown::menu([&openedAt](QMenu& menu) {
        openedAt = menu.pos();
        chooseItem(menu, "  Memorize Info");
    });
    WhenShown::dialog([](QWidget& dialog) {
        auto* nameDialog = qobject_cast<AutofillNameDialog*>(&dialog);
        ASSERT_NE(nameDialog, nullptr);
        EXPECT_EQ(dialog.windowTitle(), "The Orvanta: Autofill");
        QTest::keyClicks(nameDialog->nameEdit(), "Park 5K");
        QTest::mouseClick(dialog.findChild<QAbstractButton*>(QStringLiteral("ctl1")), Qt::LeftButton);
    });
    page.autofillButton()->click();
    EXPECT_EQ(openedAt, menuPlace(120));
    EXPECT_EQ(routeTexts(), (std::vector<std::string>{"Park 5K\tTR\t5K\t25:00\t8:02.8\t\t\t"}));
    // The form keeps what it holds.
    EXPECT_EQ(page.distanceEdit()->text(), "5");

    page.clearButton()->click();
    EXPECT_EQ(page.unitsCombo()->currentText(), "miles");
    WhenShown::menu([](QMenu& menu) { chooseItem(menu, "Park 5K"); });
    page.autofillButton()->click();
    EXPECT_EQ(page.unitsCombo()->currentText(), "km");
    EXPECT_EQ(page.distanceEdit()->text(), "5");
    EXPECT_EQ(page.timeEdit()->text(), "25:00");
    EXPECT_EQ(page.paceEdit()->text(), "8:02.8");
    // The focus is the route's once the window has the keyboard back.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(focusedField(), page.routeEdit());
}

// An "&" in a label or a route name is shown, not taken as the mark of a
// shortcut letter; pressing that letter in the popup does not choose it.
TEST_F(EntryKeywordsGui, ampersandsInLabelsAndRouteNames_showAsThemselves)
{
    addKeyword(store, KeywordKind::NonNumeric, "HS", "Hills & Sprints");
    store.routes[0].text = "Park & Ride\tTR\t5K\t\t\tPark\t\t";
    store.routeCount = 1;
    for (QToolButton* button : {entryPage().keywordButton(), entryPage().autofillButton()}) {
        QStringList shown;
        WhenShown::menu([&shown](QMenu& menu) {
            for (QAction* action : menu.actions())
                if (!QKeySequence::mnemonic(action->text()).isEmpty())
                    shown.append(action->text());
            menu.close();
        });
        button->click();
        EXPECT_TRUE(shown.isEmpty()) << shown.join(QStringLiteral(", ")).toStdString();
    }
    EXPECT_EQ(store.routeCount, 1);
}

TEST_F(EntryKeywordsGui, memorize_emptyForm_saysSo_cancelledNameAddsNothing)
{
    ScriptedEntryDialogs entryDialogs;
    form().setDialogs(entryDialogs);
    WhenShown::menu([](QMenu& menu) { chooseItem(menu, "  Memorize Info"); });
    entryPage().autofillButton()->click();
    EXPECT_EQ(prompt.lines(),
              (std::vector<std::string>{
                  "Orvanta: Nothing to memorize! Enter data first, THEN select \"Memorize Info\" again."}));
    EXPECT_TRUE(entryDialogs.calls.empty());
    focus(entryPage().commentEdit());
    type("something");
    WhenShown::menu([](QMenu& menu) { chooseItem(menu, "  Memorize Info"); });
    entryPage().autofillButton()->click();
    EXPECT_EQ(entryDialogs.calls, (std::vector<std::string>{"routeName"}));
    EXPECT_EQ(store.routeCount, 0);
}

TEST_F(EntryKeywordsGui, routeChosenWithDeleteHeld_cancel_changesNothing)
{
    addRoutes();
    store.modified = false;
    DataEntryPage& page = entryPage();
    focus(page.commentEdit());
    type("typed");
    prompt.answers = {UserPrompt::Answer::Cancel};
    WhenShown::menu([](QMenu& menu) {
        QTest::keyPress(&menu, Qt::Key_Delete);
        chooseItem(menu, "Park 5K");
    });
    page.autofillButton()->click();
    EXPECT_EQ(prompt.lines(),
              (std::vector<std::string>{"Orvanta: Are you sure you want to delete the memorized information for the "
                                        "\"Park 5K\" route? You will NOT lose any data from your log itself, only the "
                                        "Autofill menu will be modified."}));
    EXPECT_EQ(prompt.shown.at(0).buttons, UserPrompt::Buttons::OkCancel);
    EXPECT_EQ(store.routeCount, 2);
    EXPECT_FALSE(store.modified);
    // Nor was the form filled from the route.
    EXPECT_EQ(page.commentEdit()->toPlainText(), "typed");
    EXPECT_EQ(page.distanceEdit()->text(), "");
}

TEST_F(EntryKeywordsGui, keywordChosenWithDeleteHeld_ok_removesIt_releasedKeyUsesIt)
{
    addKeywords();
    prompt.answers = {UserPrompt::Answer::Ok};
    WhenShown::menu([](QMenu& menu) {
        QTest::keyPress(&menu, Qt::Key_Delete);
        chooseItem(menu, "Heart rate");
    });
    entryPage().keywordButton()->click();
    EXPECT_EQ(keywordTexts(), (std::vector<std::string>{"3\tTired\tFeeling tired"}));
    EXPECT_EQ(prompt.shown.size(), 1u);
    // Pressed and let go again before choosing: the keyword is used.
    WhenShown::menu([](QMenu& menu) {
        QTest::keyPress(&menu, Qt::Key_Delete);
        QTest::keyRelease(&menu, Qt::Key_Delete);
        chooseItem(menu, "Feeling tired");
    });
    entryPage().keywordButton()->click();
    EXPECT_EQ(entryPage().commentEdit()->toPlainText(), "Tired ");
    EXPECT_EQ(store.keywordCount, 1);
}

TEST_F(EntryKeywordsGui, deleteHeldOnAddNew_stillAdds)
{
    ScriptedEntryDialogs entryDialogs;
    form().setDialogs(entryDialogs);
    addKeywords();
    WhenShown::menu([](QMenu& menu) {
        QTest::keyPress(&menu, Qt::Key_Delete);
        chooseItem(menu, "  Add New");
    });
    entryPage().keywordButton()->click();
    EXPECT_EQ(entryDialogs.calls, (std::vector<std::string>{"addKeyword"}));
    EXPECT_EQ(store.keywordCount, 2);
}

TEST_F(EntryKeywordsGui, itemsOwnMenu_deleteAsksTheSameQuestion_okRemovesTheRouteAndRebuildsSelect)
{
    addRoutes();
    window->switchToPage(6);
    ASSERT_NE(window->page(6), nullptr);
    window->switchToPage(0);
    prompt.answers = {UserPrompt::Answer::Ok};
    QStringList itemMenu;
    WhenShown::menu([&itemMenu](QMenu& menu) {
        QAction* pool = menu.actions().at(1);
        WhenShown::menu([&itemMenu](QMenu& own) {
            itemMenu = itemTexts(own);
            chooseItem(own, ItemMenu::deleteItemText());
        });
        const QPoint at = menu.actionGeometry(pool).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, menu.mapToGlobal(at));
        QApplication::sendEvent(&menu, &event);
    });
    entryPage().autofillButton()->click();
    EXPECT_EQ(itemMenu, QStringList{QStringLiteral("Delete\u2026")});
    EXPECT_EQ(prompt.lines(),
              (std::vector<std::string>{"Orvanta: Are you sure you want to delete the memorized information for the "
                                        "\"Pool\" route? You will NOT lose any data from your log itself, only the "
                                        "Autofill menu will be modified."}));
    EXPECT_EQ(routeTexts(), (std::vector<std::string>{"Park 5K\tTR\t5K\t25:00\t8:02.8\tPark\t\t"}));
    EXPECT_EQ(window->page(6), nullptr);
    EXPECT_TRUE(entryPage().distanceEdit()->text().isEmpty());
}

TEST_F(EntryKeywordsGui, itemsOwnMenu_onTheAddingItem_offersNothing_rightButtonNeverChooses)
{
    addKeywords();
    int inner = 0;
    WhenShown::menu([&inner](QMenu& menu) {
        QAction* addNew = menu.actions().last();
        const QPoint at = menu.actionGeometry(addNew).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, menu.mapToGlobal(at));
        QApplication::sendEvent(&menu, &event);
        inner = menu.findChildren<QMenu*>().size();
        // The right button released over an item does not choose it.
        const QPoint heartRate = menu.actionGeometry(menu.actions().first()).center();
        QMouseEvent release(QEvent::MouseButtonRelease, heartRate, menu.mapToGlobal(heartRate), Qt::RightButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&menu, &release);
        EXPECT_TRUE(menu.isVisible());
        menu.close();
    });
    entryPage().keywordButton()->click();
    EXPECT_EQ(inner, 0);
    EXPECT_EQ(entryPage().commentEdit()->toPlainText(), "");
    EXPECT_EQ(store.keywordCount, 2);
}

}  // namespace
