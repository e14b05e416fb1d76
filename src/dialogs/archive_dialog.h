#pragma once

#include <QDialog>
#include <functional>

#include "values/calendar.h"

class QCheckBox;
class QDateEdit;

inline constexpr const char* kArchiveTitle = "The Orvanta: Archive Records";
inline constexpr const char* kRemoveArchivedText = "Remove archived records from this log after archiving";

// File > Archive: the range to archive and whether it leaves the log. OK
// hands them to the work it was given and closes; Cancel closes untouched.
class ArchiveDialog : public QDialog {
    Q_OBJECT

public:
    using Work = std::function<void(const CalendarDate& from, const CalendarDate& to, bool removeArchived)>;

    // The pickers show 1 January and 31 December of year; the box is checked.
    ArchiveDialog(int year, Work work, QWidget* parent = nullptr);

    QDateEdit* startingPicker() const { return m_starting; }
    QDateEdit* endingPicker() const { return m_ending; }
    QCheckBox* removeBox() const { return m_remove; }

private:
    void confirm();

    Work m_work;
    QDateEdit* m_starting = nullptr;
    QDateEdit* m_ending = nullptr;
    QCheckBox* m_remove = nullptr;
};
