#pragma once

#include <QComboBox>
#include <QStringList>

// The items of a combo box, in order; none for no box.
inline QStringList comboTexts(const QComboBox* combo)
{
    QStringList texts;
    for (int i = 0; combo && i < combo->count(); ++i)
        texts.append(combo->itemText(i));
    return texts;
}
