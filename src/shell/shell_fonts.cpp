#include "shell/shell_fonts.h"

#include "views/paint_style.h"

#include <QFontMetrics>
#include <algorithm>
#include <QString>

namespace {

QFont makeFont(const char* face, int cellHeight, QFont::Weight weight, QFont::StyleHint hint)
{
    QFont font(QString::fromLatin1(face));
    font.setWeight(weight);
    font.setStyleHint(hint);
    return ShellFonts::atCellHeight(font, cellHeight);
}

}  // namespace

QFont ShellFonts::atCellHeight(QFont font, int cellHeight)
{
    font.setHintingPreference(QFont::PreferFullHinting);
    // Each size tried loads a font engine, a noticeable part of the start.
    // A cell never shrinks as the pixel size grows, so the largest size that
    // fits is found from any first guess; a cell is about 1.15 pixel sizes,
    // which usually makes the guess right and two sizes enough.
    const int lowest = cellHeight / 2 + 1;
    auto fits = [&font, cellHeight](int pixels) {
        font.setPixelSize(pixels);
        return QFontMetrics(font).height() <= cellHeight;
    };
    int pixels = std::clamp((cellHeight * 100 + 57) / 115, lowest, cellHeight);
    if (fits(pixels)) {
        while (pixels < cellHeight && fits(pixels + 1))
            ++pixels;
    } else {
        do
            --pixels;
        while (pixels >= lowest && !fits(pixels));
        // None fitting leaves the smallest size tried, just over half the cell.
        if (pixels < lowest)
            pixels = lowest;
    }
    font.setPixelSize(pixels);
    return font;
}

ShellFonts ShellFonts::create()
{
    ShellFonts fonts;
    fonts.tabFont = makeFont("Ariel", 14, QFont::Bold, QFont::SansSerif);
    fonts.smallFont = makeFont("Ariel", 14, QFont::Normal, QFont::SansSerif);
    fonts.listFont = makeFont("Courier New", 16, QFont::Normal, QFont::TypeWriter);
    fonts.listFont.setFixedPitch(true);
    fonts.pageFont = makeFont("Ariel", 16, QFont::Bold, QFont::SansSerif);
    return fonts;
}

void ShellFonts::installSubstitutions()
{
    installViewFontSubstitutions();
}
