#pragma once

#include "shell/pages/page.h"

class EntryListController;
class EntryListModel;

// Page 1: every entry (or the selected ones) under a painted column heading.
// The list's rows are drawn by the Log list's own delegate.
class LogPage : public Page {
    Q_OBJECT
public:
    static constexpr int kIndex = static_cast<int>(PageIndex::Log);

    LogPage(AppContext& context, QWidget* parent);

    QListView* logList() const { return m_list; }
    EntryListModel* logModel() const { return m_model; }
    EntryListController* listController() const { return m_controller; }
    int listWidth() const { return m_listWidth; }
    int listCharWidth() const { return m_listCharWidth; }
    // Whole rows the list shows.
    int logRows() const { return m_logRows; }
    // The row at the top of the list.
    int topRow() const;

    // The list anew: every entry or the selected ones, scrolled to the end,
    // or to an entry just saved when it would not show.
    void refresh() override;
    // Nothing here is taken from the log beyond its entries: refresh() does it all.
    void reloadFromLog() override {}

protected:
    void placeControls(QSize client) override;
    void paintClient(QPainter& painter) override;
    QColor background() const override;

private:
    QListView* m_list = nullptr;
    EntryListModel* m_model = nullptr;
    EntryListController* m_controller = nullptr;
    int m_listWidth = 0;
    int m_listCharWidth = 0;
    int m_logRows = 0;
};
