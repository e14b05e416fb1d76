#pragma once

#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <string>

#include "shell/qt_user_prompt.h"
#include "values/calendar.h"

// What the page controllers share when they move values between their model
// and the page's controls.

inline QDate toQDate(const CalendarDate& date)
{
    return QDate(date.year, date.month, date.day);
}

inline CalendarDate fromQDate(const QDate& date)
{
    return CalendarDate{date.year(), date.month(), date.day()};
}

// Shows a Latin-1 text in the edit; an edit already showing it is left alone.
inline void setLineText(QLineEdit* edit, const std::string& text)
{
    const QString shown = fromLatin1(text);
    if (edit->text() != shown)
        edit->setText(shown);
}

// Moves the combo to the position; a position outside the list, or the one
// already shown, changes nothing.
inline void setComboIndex(QComboBox* combo, int index)
{
    if (index >= 0 && index < combo->count() && combo->currentIndex() != index)
        combo->setCurrentIndex(index);
}
