#pragma once

#include <QObject>

#include "shell/app_context.h"

class EntryListModel;
class Page;
class QListView;

// What a click in an entry list does: a double click shows the row's entry
// on the Day page; the right button, released over a row, makes it the day
// view's entry and offers View, Modify and Duplicate.
class EntryListController : public QObject {
    Q_OBJECT
public:
    enum class Command { View, Modify, Duplicate };

    EntryListController(QListView& list, EntryListModel& model, Page& page, AppContext& context);

    // The entry under a point of the list's viewport, or -1.
    int entryAt(const QPoint& viewportPos) const;
    // Makes the entry the day view's and carries out the command.
    void run(Command command, int entry);

    static constexpr const char* kViewItem = "View";
    static constexpr const char* kModifyItem = "Modify";
    static constexpr const char* kDuplicateItem = "Duplicate";

signals:
    // Filling the form belongs to whoever holds both pages.
    void modifyRequested(int entry);
    void duplicateRequested(int entry);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showEntry(int entry);
    void popup(int entry, const QPoint& globalPos);

    QListView& m_list;
    // Kept apart: the list is asked nothing while it is being destroyed.
    QWidget* m_viewport;
    EntryListModel& m_model;
    Page& m_page;
    AppContext& m_context;
};
