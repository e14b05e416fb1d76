#include "fonts_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "dialog_units.h"
#include "font_chooser.h"

namespace {

// The dialog's size in dialog units: room below the OK button and right of
// the face statics.
constexpr int kWidth = 250, kHeight = 112;

struct SlotRow {
    ControlPlace button;
    int sizeId;
    int faceId;
    int y;  // top of the size static; the face static sits one unit lower
};

const SlotRow kRows[kFontSlotCount] = {
    {{1055, "Log/Total Printing", 10, 21, 100, 14}, 1058, 1061, 24},
    {{1056, "Day View Display/Printing", 10, 43, 100, 14}, 1059, 1062, 46},
    {{1057, "Week View Display/Printing", 10, 65, 100, 14}, 1060, 1063, 68},
};

}  // namespace

FontsDialog::FontsDialog(AppSettings& settings, FontChooser& chooser, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_chooser(chooser)
{
    setUpDialog(this, kFontsDialogTitle, kWidth, kHeight);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    placeControl(ok, 1, 102, 89, 50, 14);
    ok->setDefault(true);
    QWidget* previous = ok;
    for (int i = 0; i < kFontSlotCount; ++i) {
        const SlotRow& row = kRows[i];
        auto* button = new QPushButton(QString::fromLatin1(row.button.text), this);
        placeControl(button, row.button);
        const auto slot = static_cast<FontSlot>(i);
        connect(button, &QPushButton::clicked, this, [this, slot] { chooseFont(slot); });
        setTabOrder(previous, button);
        previous = button;
        m_sizes[i] = new QLabel(this);
        m_sizes[i]->setAlignment(Qt::AlignRight | Qt::AlignTop);
        placeControl(m_sizes[i], row.sizeId, 125, row.y, 8, 8);
        m_faces[i] = new QLabel(this);
        m_faces[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        placeControl(m_faces[i], row.faceId, 165, row.y + 1, 75, 8);
    }
    placeControl(new QLabel(QStringLiteral("Size"), this), 0, 122, 10, 16, 8);
    placeControl(new QLabel(QStringLiteral("Name"), this), 0, 185, 10, 20, 8);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    showFonts();
}

void FontsDialog::showFonts()
{
    for (int i = 0; i < kFontSlotCount; ++i) {
        const FontSetting font = fontSetting(m_settings, static_cast<FontSlot>(i));
        m_sizes[i]->setText(QString::number(font.pointSize));
        m_faces[i]->setText(latin1Text(font.face));
    }
}

void FontsDialog::chooseFont(FontSlot slot)
{
    const FontSetting current = fontSetting(m_settings, slot);
    const FontRequest request{latin1Text(current.face), current.pointSize, fixedPitchOnly(slot)};
    if (const std::optional<ChosenFont> chosen = m_chooser.choose(this, request))
        storeFontChoice(m_settings, slot, latin1Bytes(chosen->face), chosen->tenthsOfPoint);
    showFonts();
}
