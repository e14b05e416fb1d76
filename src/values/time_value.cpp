#include "time_value.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// Digits only reach here; a run too long for an int is held at a size no
// workout reaches rather than overflowing.
int wholeNumber(const std::string& text)
{
    if (text.empty())
        return 0;
    long long value = std::strtoll(text.c_str(), nullptr, 10);
    return value > 10000000 ? 10000000 : static_cast<int>(value);
}

// Splits the cleaned text at its first colon; without one, the whole text is
// the first part and the second is empty.
void splitAtColon(const std::string& text, std::string& before, std::string& after)
{
    std::size_t colon = text.find(':');
    if (colon == std::string::npos) {
        before = text;
        after.clear();
    } else {
        before = text.substr(0, colon);
        after = text.substr(colon + 1);
    }
}

void splitParts(const std::string& cleaned, int colons, std::string& hours, std::string& minutes,
                std::string& seconds)
{
    hours.clear();
    minutes.clear();
    seconds.clear();
    if (colons >= 2) {
        std::string rest;
        splitAtColon(cleaned, hours, rest);
        splitAtColon(rest, minutes, seconds);
    } else if (colons == 1) {
        splitAtColon(cleaned, minutes, seconds);
        if (!minutes.empty()) {
            int value = wholeNumber(minutes);
            if (value > 60) {
                hours = std::to_string(value / 60);
                minutes = std::to_string(value % 60);
            }
        }
    } else if (cleaned.size() > 2) {
        seconds = cleaned.substr(cleaned.size() - 2);
        std::size_t left = cleaned.size() - 2;
        std::size_t minuteDigits = left >= 2 ? 2 : left;
        minutes = cleaned.substr(left - minuteDigits, minuteDigits);
        hours = cleaned.substr(0, left - minuteDigits);
    } else {
        minutes = cleaned;
        seconds = "00";
    }
    if (minutes.size() > 2) minutes.resize(2);
    if (seconds.size() > 2) seconds.resize(2);
}

}  // namespace

float parseTime(std::string& text, bool normalise, const InputWarning& warn)
{
    if (text.empty())
        return 0.0f;
    const std::string input = text;
    const bool approximate = input[0] == '~';
    int points = 0;
    int colons = 0;
    std::string cleaned;
    cleaned.reserve(input.size());
    for (std::size_t i = 0; i < input.size(); ++i) {
        char c = input[i];
        if (c == '.') {
            bool drop = points > 0 || i + 1 == input.size();
            if (points == 0) {
                points = 1;
            } else if (normalise && warn) {
                warn(input);
            }
            if (!drop)
                cleaned += c;
        } else if (c == ':') {
            bool drop = colons >= 2 || points > 0;
            if (colons < 2) {
                ++colons;
            } else if (normalise && warn) {
                warn(kTooManyColons);
            }
            if (!drop)
                cleaned += c;
        } else if (c >= '0' && c <= '9') {
            cleaned += c;
        }
    }
    if (normalise)
        text = cleaned;

    float result = 0.0f;
    std::size_t point = cleaned.find('.');
    if (points == 1 && point != std::string::npos) {
        float fraction = readNumber(std::string_view(cleaned).substr(point));
        result = static_cast<float>(result + fraction / 60.0f);
        cleaned.resize(point);
    }
    std::string hours, minutes, seconds;
    splitParts(cleaned, colons, hours, minutes, seconds);
    float whole = static_cast<float>(wholeNumber(hours) * 60 + wholeNumber(minutes));
    whole = static_cast<float>(whole + static_cast<float>(wholeNumber(seconds)) / 60.0f);
    result = static_cast<float>(whole + result);
    if (normalise)
        text = (approximate ? "~" : "") + formatTime(result);
    return result;
}

float parseTime(std::string_view text)
{
    std::string copy(text);
    return parseTime(copy, false);
}

std::string formatTime(float minutes)
{
    // A pace of nothing can give an infinite or undefined result; show it as
    // nothing rather than an undefined conversion.
    if (!std::isfinite(minutes) || minutes < 0.0f)
        minutes = 0.0f;
    if (minutes > 600000000.0f)
        minutes = 600000000.0f;
    std::string text;
    int hours = static_cast<int>(minutes / 60.0f);
    if (hours > 0)
        text = std::to_string(hours) + ":";
    float fraction = static_cast<float>(minutes - std::floor(minutes));
    // Seconds rounded to tenths, kept as a count of tenths: k / 10 is what
    // "%.1f" of the rounded seconds shows.
    int tenths = static_cast<int>(static_cast<float>(fraction * 60.0f * 10.0f) + 0.5f);
    int mins = static_cast<int>(static_cast<float>(minutes - static_cast<float>(hours * 60)));
    if (tenths >= 600) {
        ++mins;
        tenths -= 600;
    }
    if (mins > 0 || !text.empty()) {
        if (mins < 10 && !text.empty())
            text += '0';
        text += std::to_string(mins);
        text += ':';
    }
    if (tenths < 100)
        text += '0';
    text += std::to_string(tenths / 10);
    // The tenth is shown unless it is 0 (the text was cut at its first ".0").
    if (tenths % 10 != 0) {
        text += '.';
        text += static_cast<char>('0' + tenths % 10);
    }
    return text;
}

void cleanDecimal(std::string& text, const InputWarning& warn)
{
    if (text.empty())
        return;
    std::string cleaned;
    bool seenPoint = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '.') {
            bool drop = seenPoint || i + 1 == text.size();
            if (seenPoint && warn)
                warn(kTooManyPoints);
            seenPoint = true;
            if (!drop)
                cleaned += c;
        } else if (c >= '0' && c <= '9') {
            cleaned += c;
        }
    }
    text = cleaned;
}

float minutesPerMile(std::string& paceText, PaceUnit paceUnit, const InputWarning& warn)
{
    float r = 0.0f;
    if (paceUnit == PaceUnit::MinPerMile || paceUnit == PaceUnit::MinPerKm) {
        r = parseTime(paceText, true, warn);
    } else {
        cleanDecimal(paceText, warn);
        r = readNumber(paceText);
    }
    switch (paceUnit) {
    case PaceUnit::MinPerMile: return r;
    case PaceUnit::MinPerKm: return static_cast<float>(r * 1.609344);
    case PaceUnit::MilesPerHour: return static_cast<float>(60.0 / r);
    case PaceUnit::KmPerHour: return static_cast<float>(96.56064 / r);
    case PaceUnit::SecPer100Yards: return static_cast<float>(static_cast<float>(r * 17.6) / 60.0);
    case PaceUnit::SecPer100Meters: return static_cast<float>(static_cast<float>(r * 16.09344) / 60.0);
    default: return 0.0f;
    }
}

float timeFromPace(const SportUnits& sport, float miles, std::string& paceText, const InputWarning& warn)
{
    return static_cast<float>(minutesPerMile(paceText, sport.paceUnits, warn) * miles);
}

float distanceFromPace(const SportUnits& sport, float minutes, std::string& paceText, const InputWarning& warn)
{
    float perMile = minutesPerMile(paceText, sport.paceUnits, warn);
    return fromMiles(static_cast<float>(minutes / perMile), sport.distanceUnits);
}

float paceFromTime(float minutes, float distance, DistanceUnit distanceUnit, PaceUnit paceUnit)
{
    float p = static_cast<float>(minutes / toMiles(distance, distanceUnit));
    switch (paceUnit) {
    case PaceUnit::MinPerKm: return static_cast<float>(p / 1.609344);
    case PaceUnit::MilesPerHour: return static_cast<float>(60.0 / p);
    case PaceUnit::KmPerHour: return static_cast<float>(96.56064 / p);
    case PaceUnit::SecPer100Yards: return static_cast<float>(static_cast<float>(p * 60.0) / 17.6);
    case PaceUnit::SecPer100Meters: return static_cast<float>(static_cast<float>(p * 60.0) / 16.09344);
    default: return p;
    }
}

MissingValue missingValue(std::string_view timeText, std::string_view distanceText, std::string_view paceText,
                          MissingValue previous)
{
    bool t = !timeText.empty();
    bool d = !distanceText.empty();
    bool p = !paceText.empty();
    if (t && d && !p) return MissingValue::Pace;
    if (t && p && !d) return MissingValue::Distance;
    if (d && p && !t) return MissingValue::Time;
    if (t && d && p) return previous;
    return MissingValue::Nothing;
}
