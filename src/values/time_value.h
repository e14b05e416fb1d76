#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "units.h"

// Receives the texts of the "Data input error!" messages that normalising a
// typed value may produce. An empty function drops them.
using InputWarning = std::function<void(const std::string& text)>;

inline constexpr const char* kInputErrorCaption = "Data input error!";
inline constexpr const char* kTooManyColons =
    "You had more than two colons (:) in your input; the extra ones have been ignored.";
inline constexpr const char* kTooManyPoints =
    "You had more than one decimal point (.) in your input; the extra ones have been ignored.";

// A typed time of this many minutes or more (100 hours) does not fit its
// nine-character field, so it would change at every save.
inline constexpr float kTooLongMinutes = 6000.0f;
inline constexpr const char* kTimeTooLong = "Times of 100 hours or more don't fit in a log; the time has been cleared.";

// Minutes of a duration text. With normalise the text is rewritten in place
// to the h:mm:ss form (keeping a leading "~") and the warnings may be given;
// a time of kTooLongMinutes or more is then refused: the text is emptied and
// kTimeTooLong given.
float parseTime(std::string& text, bool normalise, const InputWarning& warn = {});
// Silent form: never rewrites, never warns.
float parseTime(std::string_view text);

// Below one minute the seconds follow "0:" ("0:45"), so that the text reads
// back as seconds; no time is "00".
std::string formatTime(float minutes);

// Room for any normalised time text: "~", the hours, ":mm:ss.t".
inline constexpr std::size_t kTimeTextRoom = 32;
// formatTime into out (kTimeTextRoom bytes, no NUL written); gives the length.
std::size_t formatTimeTo(float minutes, char* out);
// parseTime over any text without copying it: with normalised (kTimeTextRoom
// bytes) the normalised text is written there and warnings may be given.
float readTime(std::string_view input, const InputWarning& warn, char* normalised, std::size_t& normalisedLength);

// Keeps the digits and at most one decimal point; always warns on extra points.
void cleanDecimal(std::string& text, const InputWarning& warn = {});

struct SportUnits {
    DistanceUnit distanceUnits = DistanceUnit::None;
    PaceUnit paceUnits = PaceUnit::None;
};

// Minutes per mile of a pace text; for the two duration units the pace text
// is normalised in place.
float minutesPerMile(std::string& paceText, PaceUnit paceUnit, const InputWarning& warn = {});
float timeFromPace(const SportUnits& sport, float miles, std::string& paceText, const InputWarning& warn = {});
float distanceFromPace(const SportUnits& sport, float minutes, std::string& paceText,
                       const InputWarning& warn = {});
float paceFromTime(float minutes, float distance, DistanceUnit distanceUnit, PaceUnit paceUnit);

// Which of the three values the form can fill in.
enum class MissingValue { Nothing = 0, Time = 1, Distance = 2, Pace = 3 };

// previous is what the last call decided; it stays in force when all three
// texts are filled (Pace at start-up).
MissingValue missingValue(std::string_view timeText, std::string_view distanceText, std::string_view paceText,
                          MissingValue previous);
