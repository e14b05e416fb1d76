#include "units.h"

#include <charconv>
#include <cstdint>

char unitSuffix(DistanceUnit unit)
{
    switch (unit) {
    case DistanceUnit::Miles: return 'M';
    case DistanceUnit::Kilometers: return 'K';
    case DistanceUnit::Yards: return 'Y';
    case DistanceUnit::Meters: return 'm';
    default: return ' ';
    }
}

DistanceUnit unitFromSuffix(char letter)
{
    switch (letter) {
    case 'K': return DistanceUnit::Kilometers;
    case 'M': return DistanceUnit::Miles;
    case 'Y': return DistanceUnit::Yards;
    case 'm': return DistanceUnit::Meters;
    default: return DistanceUnit::None;
    }
}

std::string_view distanceUnitWord(DistanceUnit unit)
{
    switch (unit) {
    case DistanceUnit::Miles: return "miles";
    case DistanceUnit::Kilometers: return "km";
    case DistanceUnit::Yards: return "yards";
    case DistanceUnit::Meters: return "meters";
    default: return "";
    }
}

std::string_view paceUnitName(PaceUnit unit)
{
    switch (unit) {
    case PaceUnit::None: return "   ";
    case PaceUnit::MinPerMile: return "mpm";
    case PaceUnit::MinPerKm: return "mpk";
    case PaceUnit::MilesPerHour: return "mph";
    case PaceUnit::KmPerHour: return "kph";
    default: return "???";
    }
}

PaceUnit paceUnitFromName(std::string_view text)
{
    std::string_view first = text.substr(0, 3);
    if (first == "mpm") return PaceUnit::MinPerMile;
    if (first == "mpk") return PaceUnit::MinPerKm;
    if (first == "mph") return PaceUnit::MilesPerHour;
    if (first == "kph") return PaceUnit::KmPerHour;
    return PaceUnit::None;
}

// Each step is rounded to single precision, as the stored numbers are.
float toMiles(float x, DistanceUnit unit)
{
    switch (unit) {
    case DistanceUnit::Kilometers: return static_cast<float>(x / 1.609344);
    case DistanceUnit::Yards: return static_cast<float>(x / 1760.0);
    case DistanceUnit::Meters: return static_cast<float>(x / 1609.344);
    case DistanceUnit::Feet: return static_cast<float>(x / 5280.0);
    default: return x;
    }
}

float fromMiles(float x, DistanceUnit unit)
{
    switch (unit) {
    case DistanceUnit::Kilometers: return static_cast<float>(x * 1.609344);
    case DistanceUnit::Yards: return static_cast<float>(x * 1760.0);
    case DistanceUnit::Meters: return static_cast<float>(x * 1609.344);
    case DistanceUnit::Feet: return static_cast<float>(x * 5280.0);
    default: return x;
    }
}

float readNumber(std::string_view text)
{
    std::size_t i = 0;
    if (i < text.size() && text[i] == '~')
        ++i;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Only plain decimal numbers: no "inf", "nan" or hexadecimal forms.
    if (i >= text.size() || !((text[i] >= '0' && text[i] <= '9') || text[i] == '.'))
        return 0.0f;
    // A plain number of up to seven digits, as nearly every distance and
    // pace is: its digits make an exact float and so does the power of ten
    // below them, so one division gives the float nearest the decimal, which
    // is what from_chars gives too.
    {
        static constexpr float kPowersOfTen[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f, 1e6f, 1e7f};
        std::uint32_t digits = 0;
        int count = 0;
        int decimals = 0;
        bool point = false;
        std::size_t k = i;
        for (; k < text.size() && count <= 7; ++k) {
            const char c = text[k];
            if (c >= '0' && c <= '9') {
                digits = digits * 10 + static_cast<std::uint32_t>(c - '0');
                ++count;
                decimals += point;
            } else if (c == '.' && !point) {
                point = true;
            } else {
                break;
            }
        }
        const bool exponent = k < text.size() && (text[k] == 'e' || text[k] == 'E');
        if (count > 0 && count <= 7 && !exponent) {
            const float value = static_cast<float>(digits) / kPowersOfTen[decimals];
            return negative ? -value : value;
        }
    }
    float value = 0.0f;
    const char* begin = text.data() + i;
    auto result = std::from_chars(begin, text.data() + text.size(), value, std::chars_format::general);
    if (result.ec != std::errc())
        return 0.0f;
    return negative ? -value : value;
}
