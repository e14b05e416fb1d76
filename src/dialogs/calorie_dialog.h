#pragma once

#include <QDialog>

#include "log/log_store.h"
#include "shell/logic/app_settings.h"

class QComboBox;
class QLineEdit;
class QRadioButton;

// Where the calorie estimate takes the body weight from: a keyword of the
// log or a fixed weight, and its unit. OK writes them into the settings
// (they reach the settings file when the settings are next written); Cancel
// changes nothing.
class CalorieDialog : public QDialog {
    Q_OBJECT

public:
    CalorieDialog(AppSettings& settings, const LogStore& store, QWidget* parent = nullptr);

private:
    void confirm();

    AppSettings& m_settings;
    QRadioButton* m_fromKeyword = nullptr;
    QRadioButton* m_fixed = nullptr;
    QComboBox* m_units = nullptr;
    QLineEdit* m_weight = nullptr;
    QComboBox* m_keyword = nullptr;
};
