#pragma once

#include <QColor>
#include <QFont>
#include <QLocale>
#include <QString>
#include <array>
#include <string_view>

#include "log/log_store.h"

struct ViewSettings;
class QPainter;

// How a view is drawn: for the screen or the printer, in which face and
// size, with which sport colours and date names.
struct PaintStyle {
    bool printing = false;
    QString fontName = QStringLiteral("Arial");
    int fontSize = 8;  // points
    std::array<QColor, LogStore::kMaxSports + 1> sportColors{};
    QLocale locale;
};

// The week view's style from the settings ("FontName: Week", "FontSize:
// Week", the sport colours).
PaintStyle weekPaintStyle(const ViewSettings& settings, bool printing, const QLocale& locale = QLocale());
// The day view's style ("FontName: Day", "FontSize: Day").
PaintStyle dayPaintStyle(const ViewSettings& settings, bool printing, const QLocale& locale = QLocale());

// The graph's style: its own face, "Ariel", bold at fixed sizes; the sport colours.
PaintStyle graphPaintStyle(const ViewSettings& settings, bool printing, const QLocale& locale = QLocale());

// The light cyan (0xFFFFC0) behind the views and their pages on the screen.
inline const QColor kViewBackground(192, 255, 255);

// A text of the log (8-bit, Latin-1) for drawing.
inline QString latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// A colour kept as 0x00BBGGRR.
QColor colorFromBgr(std::uint32_t bgr);

// Pixels per logical inch of whatever the painter draws on.
int deviceDpiX(const QPainter& painter);
int deviceDpiY(const QPainter& painter);

// A font of the style's face, its size turned into pixels of a device of
// dpiY, in the given weight.
QFont viewFont(const PaintStyle& style, int dpiY, QFont::Weight weight);

// Maps the faces the views ask for ("Ariel", "Arial", "Courier New") onto
// installed metric twins so the pixel layout holds; call once after the
// application object exists.
void installViewFontSubstitutions();
