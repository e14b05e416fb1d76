#include "views/paint_style.h"

#include <QPaintDevice>
#include <QPainter>
#include <algorithm>

#include "views/logic/view_settings.h"
#include "views/logic/week_data.h"

namespace {

PaintStyle baseStyle(const ViewSettings& settings, bool printing, const QLocale& locale)
{
    PaintStyle style;
    style.printing = printing;
    style.locale = locale;
    for (std::size_t i = 0; i < style.sportColors.size(); ++i)
        style.sportColors[i] = colorFromBgr(sportColorBgr(settings.sportColors, static_cast<int>(i)));
    return style;
}

}  // namespace

PaintStyle weekPaintStyle(const ViewSettings& settings, bool printing, const QLocale& locale)
{
    PaintStyle style = baseStyle(settings, printing, locale);
    style.fontName = QString::fromLatin1(settings.fontNameWeek.c_str());
    style.fontSize = settings.fontSizeWeek;
    return style;
}

PaintStyle dayPaintStyle(const ViewSettings& settings, bool printing, const QLocale& locale)
{
    PaintStyle style = baseStyle(settings, printing, locale);
    style.fontName = QString::fromLatin1(settings.fontNameDay.c_str());
    style.fontSize = settings.fontSizeDay;
    return style;
}

PaintStyle graphPaintStyle(const ViewSettings& settings, bool printing, const QLocale& locale)
{
    PaintStyle style = baseStyle(settings, printing, locale);
    style.fontName = QStringLiteral("Ariel");
    return style;
}

QColor colorFromBgr(std::uint32_t bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

int deviceDpiX(const QPainter& painter)
{
    return painter.device() ? painter.device()->logicalDpiX() : 96;
}

int deviceDpiY(const QPainter& painter)
{
    return painter.device() ? painter.device()->logicalDpiY() : 96;
}

QFont viewFont(const PaintStyle& style, int dpiY, QFont::Weight weight)
{
    QFont font(style.fontName);
    // A point size made pixels of this device, multiplied before dividing.
    font.setPixelSize(std::max(1, style.fontSize * dpiY / 72));
    font.setWeight(weight);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void installViewFontSubstitutions()
{
    QFont::insertSubstitutions(QStringLiteral("Ariel"), {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
}
