#pragma once

#include "shell/pages/page.h"

// Page 1: every entry (or the selected ones) under a painted column heading.
// The list code fills the list and draws its rows.
class LogPage : public Page {
    Q_OBJECT
public:
    static constexpr int kIndex = static_cast<int>(PageIndex::Log);

    LogPage(AppContext& context, QWidget* parent);

    QListView* logList() const { return m_list; }
    int listWidth() const { return m_listWidth; }
    int listCharWidth() const { return m_listCharWidth; }
    // Whole rows the list shows.
    int logRows() const { return m_logRows; }

protected:
    void placeControls(QSize client) override;
    void paintClient(QPainter& painter) override;
    QColor background() const override;

private:
    QListView* m_list = nullptr;
    int m_listWidth = 0;
    int m_listCharWidth = 0;
    int m_logRows = 0;
};
