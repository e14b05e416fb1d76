#pragma once

#include "shell/pages/page.h"

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

    // The keyword quantities and the picker's date order.
    void reloadFromLog() override;

protected:
    void placeControls(QSize client) override;

private:
    QStringList quantityItems() const;

    QDateEdit* m_date = nullptr;
    QToolButton* m_back = nullptr;
    QToolButton* m_forward = nullptr;
    QComboBox* m_period = nullptr;
    QComboBox* m_quantity = nullptr;
    QComboBox* m_sport = nullptr;
};
