#include "time_value.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Digits only reach here; a run too long for an int is held at a size no
// workout reaches rather than overflowing.
int wholeNumber(std::string_view text)
{
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        value = value * 10 + (c - '0');
        if (value > 10000000)
            return 10000000;
    }
    return static_cast<int>(value);
}

// Splits at the first colon; without one, the whole text is the first part
// and the second is empty.
void splitAtColon(std::string_view text, std::string_view& before, std::string_view& after)
{
    std::size_t colon = text.find(':');
    before = text.substr(0, colon);
    after = colon == std::string_view::npos ? std::string_view() : text.substr(colon + 1);
}

// Hours, minutes and seconds of the cleaned text, by the number of colons
// that were counted (a counted colon that was dropped leaves its part empty).
void splitParts(std::string_view cleaned, int colons, int& hours, int& minutes, int& seconds)
{
    std::string_view h, m, sec;
    if (colons >= 2) {
        std::string_view rest;
        splitAtColon(cleaned, h, rest);
        splitAtColon(rest, m, sec);
    } else if (colons == 1) {
        splitAtColon(cleaned, m, sec);
    } else if (cleaned.size() > 2) {
        sec = cleaned.substr(cleaned.size() - 2);
        std::size_t left = cleaned.size() - 2;
        std::size_t minuteDigits = left >= 2 ? 2 : left;
        m = cleaned.substr(left - minuteDigits, minuteDigits);
        h = cleaned.substr(0, left - minuteDigits);
    } else {
        m = cleaned;
        sec = "00";
    }
    hours = wholeNumber(h);
    minutes = wholeNumber(m);
    // Minutes over 60 before a single colon carry into the hours; the minutes
    // left are then below 60, so cutting them to two digits changes nothing.
    if (colons == 1 && minutes > 60) {
        hours = minutes / 60;
        minutes %= 60;
    } else {
        minutes = wholeNumber(m.substr(0, 2));
    }
    seconds = wholeNumber(sec.substr(0, 2));
}

}  // namespace

namespace {

bool digit(char c)
{
    return c >= '0' && c <= '9';
}

// The parts of a text that is already what formatTime writes (without its
// "~"), for hours below 100: "M:SS", "MM:SS" or "H:MM:SS" / "HH:MM:SS",
// minutes and seconds below 60, an optional tenth that is not 0. Below 100
// hours a float holds the seconds closely enough that formatting gives the
// text back.
struct NormalisedTime {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    int tenth = -1;  // -1 when the text has none
};

bool readNormalisedTime(std::string_view text, NormalisedTime& parts)
{
    auto value = [](char c) { return c - '0'; };
    parts = NormalisedTime{};
    if (text.size() >= 3 && text[text.size() - 2] == '.') {
        if (!digit(text.back()) || text.back() == '0')
            return false;
        parts.tenth = value(text.back());
        text.remove_suffix(2);
    }
    const std::size_t n = text.size();
    if (n < 4 || text[n - 3] != ':' || !digit(text[n - 2]) || !digit(text[n - 1]) || text[n - 2] > '5')
        return false;
    parts.seconds = value(text[n - 2]) * 10 + value(text[n - 1]);
    const std::string_view rest = text.substr(0, n - 3);  // minutes, with hours before them
    const std::size_t colon = rest.find(':');
    const std::string_view hours = colon == std::string_view::npos ? std::string_view() : rest.substr(0, colon);
    const std::string_view minutes = colon == std::string_view::npos ? rest : rest.substr(colon + 1);
    if (!hours.empty()) {
        if (hours.size() > 2 || hours[0] == '0' || !digit(hours[0]) || (hours.size() == 2 && !digit(hours[1])))
            return false;
        if (!(minutes.size() == 2 && digit(minutes[0]) && digit(minutes[1]) && minutes[0] <= '5'))
            return false;
        parts.hours = hours.size() == 2 ? value(hours[0]) * 10 + value(hours[1]) : value(hours[0]);
        parts.minutes = value(minutes[0]) * 10 + value(minutes[1]);
        return true;
    }
    if (minutes.size() == 1) {
        if (!digit(minutes[0]) || minutes[0] == '0')
            return false;
        parts.minutes = value(minutes[0]);
        return true;
    }
    if (!(minutes.size() == 2 && digit(minutes[0]) && digit(minutes[1]) && minutes[0] != '0' && minutes[0] <= '5'))
        return false;
    parts.minutes = value(minutes[0]) * 10 + value(minutes[1]);
    return true;
}

}  // namespace

float readTime(std::string_view input, const InputWarning& warn, char* normalised, std::size_t& normalisedLength)
{
    normalisedLength = 0;
    if (input.empty())
        return 0.0f;
    const bool normalise = normalised != nullptr;
    const bool approximate = input[0] == '~';
    const std::string_view body = approximate ? input.substr(1) : input;
    // Nearly every time read from a log is already in the form formatting
    // gives: its parts are taken straight away, with the same arithmetic as
    // below, and the text keeps itself.
    if (NormalisedTime parts; body.size() + 1 <= kTimeTextRoom && readNormalisedTime(body, parts)) {
        float result = 0.0f;
        if (parts.tenth >= 0) {
            // What reading ".t" as a number gives: the float nearest t / 10.
            const float fraction = static_cast<float>(parts.tenth) / 10.0f;
            result = static_cast<float>(result + fraction / 60.0f);
        }
        float whole = static_cast<float>(parts.hours * 60 + parts.minutes);
        whole = static_cast<float>(whole + static_cast<float>(parts.seconds) / 60.0f);
        result = static_cast<float>(whole + result);
        if (normalise) {
            std::size_t n = 0;
            if (approximate)
                normalised[n++] = '~';
            std::memcpy(normalised + n, body.data(), body.size());
            normalisedLength = n + body.size();
        }
        return result;
    }
    int points = 0;
    int colons = 0;
    // Only digits, colons and one point survive; a short text is cleaned on
    // the stack, as every time in a log is.
    char small[64];
    std::string large;
    char* cleaned = small;
    if (input.size() > sizeof small) {
        large.resize(input.size());
        cleaned = large.data();
    }
    std::size_t length = 0;
    for (std::size_t i = 0; i < input.size(); ++i) {
        char c = input[i];
        if (c == '.') {
            bool drop = points > 0 || i + 1 == input.size();
            if (points == 0)
                points = 1;
            else if (normalise && warn)
                warn(std::string(input));
            if (!drop)
                cleaned[length++] = c;
        } else if (c == ':') {
            bool drop = colons >= 2 || points > 0;
            if (colons < 2)
                ++colons;
            else if (normalise && warn)
                warn(kTooManyColons);
            if (!drop)
                cleaned[length++] = c;
        } else if (c >= '0' && c <= '9') {
            cleaned[length++] = c;
        }
    }
    std::string_view text(cleaned, length);
    float result = 0.0f;
    std::size_t point = text.find('.');
    if (points == 1 && point != std::string_view::npos) {
        float fraction = readNumber(text.substr(point));
        result = static_cast<float>(result + fraction / 60.0f);
        text = text.substr(0, point);
    }
    int hours = 0, minutes = 0, seconds = 0;
    splitParts(text, colons, hours, minutes, seconds);
    float whole = static_cast<float>(hours * 60 + minutes);
    whole = static_cast<float>(whole + static_cast<float>(seconds) / 60.0f);
    result = static_cast<float>(whole + result);
    if (normalise) {
        std::size_t n = 0;
        if (approximate)
            normalised[n++] = '~';
        // A text in the form formatting would give kept itself above.
        normalisedLength = n + formatTimeTo(result, normalised + n);
    }
    return result;
}

float parseTime(std::string& text, bool normalise, const InputWarning& warn)
{
    if (!normalise)
        return parseTime(std::string_view(text));
    char out[kTimeTextRoom];
    std::size_t n = 0;
    float result = readTime(text, warn, out, n);
    if (result >= kTooLongMinutes) {
        if (warn)
            warn(kTimeTooLong);
        text.clear();
        return 0.0f;
    }
    if (!text.empty())
        text.assign(out, n);
    return result;
}

float parseTime(std::string_view text)
{
    std::size_t unused = 0;
    return readTime(text, {}, nullptr, unused);
}

std::size_t formatTimeTo(float minutes, char* out)
{
    // A pace of nothing can give an infinite or undefined result; show it as
    // nothing rather than an undefined conversion.
    if (!std::isfinite(minutes) || minutes < 0.0f)
        minutes = 0.0f;
    if (minutes > 600000000.0f)
        minutes = 600000000.0f;
    // Written straight into the caller's buffer: this runs for every time
    // read from a log.
    std::size_t n = 0;
    auto putNumber = [&out, &n](int value) {
        char digits[12];
        int k = 0;
        do {
            digits[k++] = static_cast<char>('0' + value % 10);
            value /= 10;
        } while (value > 0);
        while (k > 0)
            out[n++] = digits[--k];
    };
    int hours = static_cast<int>(minutes / 60.0f);
    if (hours > 0) {
        putNumber(hours);
        out[n++] = ':';
    }
    float fraction = static_cast<float>(minutes - std::floor(minutes));
    // Seconds rounded to tenths, kept as a count of tenths: k / 10 is what
    // "%.1f" of the rounded seconds shows.
    int tenths = static_cast<int>(static_cast<float>(fraction * 60.0f * 10.0f) + 0.5f);
    int mins = static_cast<int>(static_cast<float>(minutes - static_cast<float>(hours * 60)));
    if (tenths >= 600) {
        ++mins;
        tenths -= 600;
    }
    // Under a minute the seconds still follow "0:": alone, "45" would read
    // back as 45 minutes.
    if (mins > 0 || n > 0 || tenths > 0) {
        if (mins < 10 && n > 0)
            out[n++] = '0';
        putNumber(mins);
        out[n++] = ':';
    }
    if (tenths < 100)
        out[n++] = '0';
    putNumber(tenths / 10);
    // The tenth is shown unless it is 0 (the text was cut at its first ".0").
    if (tenths % 10 != 0) {
        out[n++] = '.';
        out[n++] = static_cast<char>('0' + tenths % 10);
    }
    return n;
}

std::string formatTime(float minutes)
{
    char out[kTimeTextRoom];
    return std::string(out, formatTimeTo(minutes, out));
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
    if (paceIsTime(paceUnit)) {
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
