// The fonts of the program's windows at a cell height: the size found from a
// first guess must be the one a search down from the cell height finds.

#include <gtest/gtest.h>

#include <QFontMetrics>

#include "shell/shell_fonts.h"

namespace {

// Down from the cell height to the first size whose cell fits, one engine each.
int searchedDown(QFont font, int cellHeight)
{
    font.setHintingPreference(QFont::PreferFullHinting);
    int pixels = cellHeight;
    for (; pixels > cellHeight / 2; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).height() <= cellHeight)
            return pixels;
    }
    return pixels + 1;
}

struct FaceRow {
    const char* name;
    const char* face;
    QFont::Weight weight;
};

void PrintTo(const FaceRow& row, std::ostream* os)
{
    *os << row.name;
}

class CellHeightTable : public ::testing::TestWithParam<FaceRow> {};

TEST_P(CellHeightTable, findsTheLargestSizeWhoseCellFits)
{
    QFont font(QString::fromLatin1(GetParam().face));
    font.setWeight(GetParam().weight);
    // Far below and far above the sizes the pages use, so that the guess
    // is too small for some and too large for others.
    for (int cell : {2, 3, 5, 8, 11, 14, 16, 19, 24, 33, 48}) {
        const QFont found = ShellFonts::atCellHeight(font, cell);
        EXPECT_EQ(searchedDown(font, cell), found.pixelSize()) << "cell " << cell;
        if (QFontMetrics(found).height() <= cell && found.pixelSize() < cell) {
            QFont larger = found;
            larger.setPixelSize(found.pixelSize() + 1);
            EXPECT_GT(QFontMetrics(larger).height(), cell) << "cell " << cell << ": the next size fits too";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Faces, CellHeightTable,
                         ::testing::Values(FaceRow{"ariel", "Ariel", QFont::Normal},
                                           FaceRow{"arielBold", "Ariel", QFont::Bold},
                                           FaceRow{"courierNew", "Courier New", QFont::Normal}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
