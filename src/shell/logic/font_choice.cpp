#include "shell/logic/font_choice.h"

namespace {

// The face and size fields of a slot, for a const or a changeable record.
template <typename Settings>
auto fieldsOf(Settings& settings, FontSlot slot)
{
    struct Fields {
        decltype(&settings.fontNamePrinting) face;
        decltype(&settings.fontSizePrinting) size;
    };
    switch (slot) {
        case FontSlot::Day:
            return Fields{&settings.fontNameDay, &settings.fontSizeDay};
        case FontSlot::Week:
            return Fields{&settings.fontNameWeek, &settings.fontSizeWeek};
        case FontSlot::Printing:
            break;
    }
    return Fields{&settings.fontNamePrinting, &settings.fontSizePrinting};
}

}  // namespace

FontSetting fontSetting(const AppSettings& settings, FontSlot slot)
{
    const auto fields = fieldsOf(settings, slot);
    return {*fields.face, *fields.size};
}

void storeFontChoice(AppSettings& settings, FontSlot slot, std::string_view face, int tenthsOfPoint)
{
    const auto fields = fieldsOf(settings, slot);
    *fields.face = std::string(face.substr(0, kMaxFontFace));
    if (tenthsOfPoint >= 10)
        *fields.size = tenthsOfPoint / 10;
}
