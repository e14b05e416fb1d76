#pragma once

#include <QDialog>

#include "values/calendar.h"

class QDateEdit;
class QRadioButton;

// Asks on which day a merged training program starts or ends, and turns the
// answer into the plan's last day.
class TrainingPlanDialog : public QDialog {
    Q_OBJECT

public:
    // planLength: days from the plan's first entry to its last (0 for a
    // one-day plan); initial: the date the picker shows first.
    TrainingPlanDialog(int planLength, const CalendarDate& initial, QWidget* parent = nullptr);

    // The plan length as given, or -1 after Cancel.
    int planLength() const { return m_planLength; }
    // After OK: the plan's last day.
    CalendarDate planDate() const { return m_planDate; }

private:
    void confirm();

    int m_planLength;
    CalendarDate m_planDate;
    QDateEdit* m_picker = nullptr;
    QRadioButton* m_starting = nullptr;
};

// Shows the dialog modally. Returns the plan length, or -1 when the user
// cancels; after OK planDate holds the plan's last day (on entry, the date to
// show first).
int askTrainingPlan(QWidget* owner, int planLength, CalendarDate& planDate);

inline constexpr const char* kTrainingPlanTitle = "The Orvanta: Training Plan";
