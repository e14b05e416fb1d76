#pragma once

#include "shell/pages/page.h"

// Page 3: the week view of one or four weeks, with arrows, a date picker and
// the week-count buttons. The view is painted through the content painter.
class WeekPage : public Page {
    Q_OBJECT
public:
    static constexpr int kIndex = static_cast<int>(PageIndex::Week);

    WeekPage(AppContext& context, QWidget* parent);

    QToolButton* backButton() const { return m_back; }
    QToolButton* forwardButton() const { return m_forward; }
    QDateEdit* weekDate() const { return m_date; }
    QPushButton* oneWeekButton() const { return m_oneWeek; }
    QPushButton* fourWeeksButton() const { return m_fourWeeks; }
    // "1 Week" and "4 Weeks", by their control ids.
    QButtonGroup* weeksGroup() const { return m_weeks; }

    // Shows the first week the shell state holds (chosen anew when a log
    // was opened) and repaints.
    void refresh() override;
    // The picker's date order.
    void reloadFromLog() override;

protected:
    void placeControls(QSize client) override;
    QColor background() const override;

private:
    void chooseFirstWeek();
    void showFirstWeek(int week);
    void stepWeeks(int weeks);
    void pickDate(const QDate& date);
    void chooseWeekCount(int id);
    void paintView(QPainter& painter, const QRect& area);

    QToolButton* m_back = nullptr;
    QToolButton* m_forward = nullptr;
    QDateEdit* m_date = nullptr;
    QPushButton* m_oneWeek = nullptr;
    QPushButton* m_fourWeeks = nullptr;
    QButtonGroup* m_weeks = nullptr;
};
