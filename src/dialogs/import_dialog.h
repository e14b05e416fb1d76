#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "import/import_plan.h"

class QComboBox;
class QTableWidget;

inline constexpr const char* kImportPreviewTitle = "The Orvanta: Import Workouts";
inline constexpr const char* kImportSportTitle = "The Orvanta: Unknown Sport";
inline constexpr const char* kImportSkipSport = "Skip these workouts";

// Asked when no sport of the log is named as a workout's sport: pick one of
// the log's sports, or skip the workouts of that sport.
class ImportSportDialog : public QDialog {
    Q_OBJECT

public:
    ImportSportDialog(const LogStore& store, const std::string& workoutSport, QWidget* parent = nullptr);
    // The chosen sport of the log, or -1 to skip.
    int chosenSport() const;

private:
    QComboBox* m_sports = nullptr;
};

// Shows the dialog modally; -1 after Skip or Cancel.
int askImportSport(QWidget* owner, const LogStore& store, const std::string& workoutSport);

// What the import would do with each workout, a row each, with a check box
// per row: ticked for the workouts to be added; a workout the log already
// holds may be ticked to add it all the same; the others are shown with why
// they are skipped.
class ImportPreviewDialog : public QDialog {
    Q_OBJECT

public:
    ImportPreviewDialog(const std::vector<ImportCandidate>& candidates, const std::vector<std::string>& files,
                        const LogStore& store, QWidget* parent = nullptr);

    // The candidates whose rows are ticked, in order.
    std::vector<std::size_t> chosen() const;
    QTableWidget* table() const { return m_table; }

private:
    QTableWidget* m_table = nullptr;
};

// The text of the status column for a verdict.
const char* importVerdictText(ImportVerdict verdict);
