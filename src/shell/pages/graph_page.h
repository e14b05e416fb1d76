#pragma once

#include "shell/pages/page.h"

struct GraphFirsts;
struct GraphRequest;

// Page 5: the graph, with its period, quantity and sport choices, a date
// picker and arrows. The graph is painted through the content painter.
class GraphPage : public Page {
    Q_OBJECT
public:
    static constexpr int kIndex = static_cast<int>(PageIndex::Graph);

    GraphPage(AppContext& context, QWidget* parent);

    QDateEdit* graphDate() const { return m_date; }
    QToolButton* backButton() const { return m_back; }
    QToolButton* forwardButton() const { return m_forward; }
    QComboBox* periodCombo() const { return m_period; }
    // "Time", "Distance", "Pace", "# Workouts", "Calories Burned", then the keywords.
    QComboBox* quantityCombo() const { return m_quantity; }
    // Filled by the graph when it draws.
    QComboBox* sportCombo() const { return m_sport; }

    // The log changed: the type list takes the log's keywords anew (a type
    // whose keyword has gone falls back to "Time"), the picker its date order.
    void reloadFromLog() override;
    void refresh() override;

    // What the graph would draw now: the first period placed, the sport list
    // refilled and the picker set, as every drawing does.
    GraphRequest prepareDrawing();

protected:
    void placeControls(QSize client) override;
    QColor background() const override;

private:
    QStringList quantityItems() const;
    GraphFirsts firsts() const;
    void keepFirsts(const GraphFirsts& firsts);
    void step(int periods);
    void pickDate(const QDate& date);
    void choosePeriod(int index);
    void chooseType(int index);
    void chooseSport(int index);
    void refuseAllSports();
    void paintView(QPainter& painter, const QRect& area);

    QDateEdit* m_date = nullptr;
    QToolButton* m_back = nullptr;
    QToolButton* m_forward = nullptr;
    QComboBox* m_period = nullptr;
    QComboBox* m_quantity = nullptr;
    QComboBox* m_sport = nullptr;
};
