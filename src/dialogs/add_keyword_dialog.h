#pragma once

#include <QDialog>

class LogStore;
class QLineEdit;
class QRadioButton;

inline constexpr const char* kAddKeywordTitle = "The Orvanta: Add Keyword";

// Defines a new keyword of the log: its abbreviation, its label and how its
// values are summed up. OK with both boxes filled appends it and closes;
// with either box empty it does nothing and the dialog stays.
class AddKeywordDialog : public QDialog {
    Q_OBJECT
public:
    explicit AddKeywordDialog(LogStore& store, QWidget* parent = nullptr);

    QLineEdit* abbreviationEdit() const { return m_abbreviation; }
    QLineEdit* labelEdit() const { return m_label; }

private:
    void confirm();

    LogStore& m_store;
    QLineEdit* m_abbreviation = nullptr;
    QLineEdit* m_label = nullptr;
    QRadioButton* m_kinds[3] = {};
};
