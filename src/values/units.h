#pragma once

#include <string>
#include <string_view>

// Distance units as the sports list stores them. Feet exists only for the
// conversions.
enum class DistanceUnit : short { None = 0, Miles = 1, Kilometers = 2, Yards = 3, Meters = 4, Feet = 5 };

enum class PaceUnit : short {
    None = 0,
    MinPerMile = 1,
    MinPerKm = 2,
    MilesPerHour = 3,
    KmPerHour = 4,
    SecPer100Yards = 5,
    SecPer100Meters = 6,
};

// The one letter a distance text may end with: " ", "M", "K", "Y", "m".
char unitSuffix(DistanceUnit unit);
// "K" 2, "M" 1, "Y" 3, "m" 4, anything else 0. Case matters.
DistanceUnit unitFromSuffix(char letter);
// The word for a sport's distances: "miles", "km", "yards", "meters", or
// empty for none (and for feet, which no sport uses).
std::string_view distanceUnitWord(DistanceUnit unit);
// "   ", "mpm", "mpk", "mph", "kph", or "???" for the swimming units and others.
std::string_view paceUnitName(PaceUnit unit);
// Read back from the first three characters; anything unknown is None.
PaceUnit paceUnitFromName(std::string_view text);
// Whether a pace in these units is a time (minutes per mile or per km)
// rather than a speed or a swimming figure.
inline bool paceIsTime(PaceUnit unit)
{
    return unit == PaceUnit::MinPerMile || unit == PaceUnit::MinPerKm;
}

float toMiles(float x, DistanceUnit unit);
float fromMiles(float x, DistanceUnit unit);

// Reads the leading number of a text, skipping one leading "~" and blanks,
// the way "%f" does but never by the user's locale. No number gives 0.
float readNumber(std::string_view text);
