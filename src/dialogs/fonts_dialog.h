#pragma once

#include <QDialog>
#include <array>

#include "shell/logic/app_settings.h"
#include "shell/logic/font_choice.h"

class FontChooser;
class QLabel;

// The faces and sizes of the printing font and of the day and week views'
// fonts. Each button asks the font chooser for its font; a confirmed choice
// goes into the settings at once (they reach the settings file when the
// settings are next written), so the dialog has no Cancel.
class FontsDialog : public QDialog {
    Q_OBJECT

public:
    FontsDialog(AppSettings& settings, FontChooser& chooser, QWidget* parent = nullptr);

    // Asks the chooser for the font of one slot, as its button does.
    void chooseFont(FontSlot slot);

private:
    // The size and face statics show the settings as they stand.
    void showFonts();

    AppSettings& m_settings;
    FontChooser& m_chooser;
    std::array<QLabel*, kFontSlotCount> m_sizes{};
    std::array<QLabel*, kFontSlotCount> m_faces{};
};
