#pragma once

#include "shell/pages/page.h"

class TotalsModel;

// Page 4: the totals list by week, month or year under a painted heading.
// The report is built anew whenever the log, the selection or the period
// changes, and the list shows its end.
class TotalsPage : public Page {
    Q_OBJECT
public:
    static constexpr int kIndex = static_cast<int>(PageIndex::Totals);

    TotalsPage(AppContext& context, QWidget* parent);

    QListView* totalsList() const { return m_list; }
    QPushButton* weekButton() const { return m_week; }
    QPushButton* monthButton() const { return m_month; }
    QPushButton* yearButton() const { return m_year; }
    // "Week", "Month" and "Year", by their control ids.
    QButtonGroup* periodGroup() const { return m_period; }
    int listCharWidth() const { return m_listCharWidth; }
    // Whole rows the list shows.
    int totalsRows() const { return m_totalsRows; }
    TotalsModel* totalsModel() const { return m_model; }

    // Builds the report anew and scrolls the list to its last line.
    void refresh() override;
    // Nothing here is taken from the log beyond its entries: refresh() does it all.
    void reloadFromLog() override {}

protected:
    void placeControls(QSize client) override;
    void paintClient(QPainter& painter) override;
    QColor background() const override;
    void showEvent(QShowEvent* event) override;

private:
    void choosePeriod(int id);
    void scrollToEnd();

    QListView* m_list = nullptr;
    TotalsModel* m_model = nullptr;
    QPushButton* m_week = nullptr;
    QPushButton* m_month = nullptr;
    QPushButton* m_year = nullptr;
    QButtonGroup* m_period = nullptr;
    int m_listCharWidth = 0;
    int m_totalsRows = 0;
};
