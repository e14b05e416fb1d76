#pragma once

#include <QObject>
#include <array>

#include "shell/app_context.h"
#include "shell/logic/entry_form.h"

class DataEntryPage;
class EntryDialogs;
class QWidget;

// The Data Entry form at work: the keyboard (Enter saves from any field,
// Tab and Shift+Tab in the form's own order), leaving a field, Save and
// Clear, the sport list, Modify mode, and the Keyword and Autofill menus.
// Every decision is the core's (entry_form.h, keywords_routes.h); this
// reads the controls into an EntryForm and writes the result back.
class EntryFormController : public QObject {
    Q_OBJECT
public:
    EntryFormController(DataEntryPage& page, AppContext& context);

    EntryForm readForm() const;
    void writeForm(const EntryForm& form);

    // Save (the button, or Enter in a field). Returns the stored entry's
    // index, or -1 when nothing was stored.
    int save();
    // Clear: the form emptied, Modify mode left, the focus to the date.
    void clear();
    // Modify (takeDate, and the entry becomes the one being modified) or
    // Duplicate (a new entry on the form's date).
    void fillFromEntry(int entry, bool modify);
    // The sport list anew when the log's sports changed; Save or Modify.
    void refresh();

    // The popups at their places; the choice is carried out at once.
    void openKeywordMenu();
    void openAutofillMenu();
    // What a choice in either popup does: index is the item (the last one
    // adds), remove whether it was chosen for deleting.
    void keywordChosen(int index, bool remove);
    void routeChosen(int index, bool remove);

    void setDialogs(EntryDialogs& dialogs) { m_dialogs = &dialogs; }
    QWidget* fieldWidget(FormField field) const;

signals:
    // A memorized route was deleted: lists of routes elsewhere are stale.
    void routesChanged();
    // A keyword was added or deleted, or a route memorized: the pages'
    // lists of them are taken anew.
    void listsChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchField(QWidget* widget, FormField field);
    bool fieldOf(QObject* watched, FormField& field) const;
    void leave(FormField field);
    void moveFocus(FormField from, bool forward);
    void focusField(FormField field);
    void sportChosen(int index);
    void warnIfHandheldLength(FormField field);
    void updateSaveLabel();
    SportUnits formUnits(const EntryForm& form) const;
    QPoint menuPlace(int y) const;

    DataEntryPage& m_page;
    AppContext& m_context;
    EntryDialogs* m_dialogs;
    MissingValue m_computed = MissingValue::Pace;
    // Set while the program itself writes the form or moves the focus:
    // that is not the user leaving a field.
    bool m_writing = false;
    QObject* m_typedInto = nullptr;
    std::array<QWidget*, 8> m_fields{};
};
