#pragma once

#include <QDialog>

class QButtonGroup;

// Asks in which of the five save formats the selected entries are written.
class SaveFormatDialog : public QDialog {
    Q_OBJECT

public:
    explicit SaveFormatDialog(QWidget* parent = nullptr);

    // The SaveFormat number of the checked button after OK (-1 when none is
    // checked), or -1 after Cancel.
    int format() const { return m_format; }

private:
    QButtonGroup* m_formats = nullptr;
    int m_format = -1;
};

inline constexpr const char* kSaveFormatTitle = "The Orvanta: Save Format";
