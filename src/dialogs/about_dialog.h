#pragma once

#include <QDialog>

// The program's icon, name, version and date, and an OK button.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

inline constexpr const char* kAboutTitle = "About The Orvanta";
inline constexpr const char* kProgramName = "The Orvanta";
inline constexpr const char* kProgramVersion = "Version 4.1";
inline constexpr const char* kProgramDate = "September 30, 2004";
inline constexpr const char* kProgramIcon = ":/icons/orvanta-48.png";
