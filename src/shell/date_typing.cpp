#include "shell/date_typing.h"

#include <QDateTimeEdit>
#include <QKeyEvent>

namespace {

// The part a digit was typed into, kept on the picker until the next key.
const char* const kDigitSectionProperty = "orvDigitSection";

bool isSeparator(const QString& text)
{
    return text.size() == 1 && (text[0].isPunct() || text[0].isSpace() || text[0].isSymbol());
}

}  // namespace

namespace DateTyping {

bool filter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* picker = qobject_cast<QDateTimeEdit*>(watched);
    if (!picker)
        return false;
    const QString text = static_cast<QKeyEvent*>(event)->text();
    const QVariant typedInto = picker->property(kDigitSectionProperty);
    picker->setProperty(kDigitSectionProperty, QVariant());
    if (text.size() == 1 && text[0].isDigit()) {
        picker->setProperty(kDigitSectionProperty, static_cast<int>(picker->currentSection()));
        return false;
    }
    // The last digit filled its part and the picker moved on: the separator
    // is already done.
    return isSeparator(text) && typedInto.isValid() && typedInto.toInt() != static_cast<int>(picker->currentSection());
}

}  // namespace DateTyping
