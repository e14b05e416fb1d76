#pragma once

#include <QDialog>
#include <string>

class QLineEdit;

inline constexpr const char* kAutofillTitle = "The Orvanta: Autofill";

// Asks for the name under which the form is memorized as a route.
class AutofillNameDialog : public QDialog {
    Q_OBJECT
public:
    explicit AutofillNameDialog(QWidget* parent = nullptr);

    QLineEdit* nameEdit() const { return m_name; }
    // The name given with OK; empty after Cancel.
    const std::string& name() const { return m_chosen; }

private:
    QLineEdit* m_name = nullptr;
    std::string m_chosen;
};
