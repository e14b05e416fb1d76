#include "shell/shell_fonts.h"

#include "views/paint_style.h"

#include <QFontMetrics>
#include <QString>
#include <QStringList>

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
    for (int pixels = cellHeight; pixels > cellHeight / 2; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).height() <= cellHeight)
            break;
    }
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
