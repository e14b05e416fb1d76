#pragma once

#include <string>
#include <vector>

#include "log/log_store.h"

// The names the Sports dialog offers, less those the log already has.
std::vector<std::string> offeredSportNames(const LogStore& store);
// "A".."Z" less the letters the log's sports already use.
std::vector<char> offeredLetters(const LogStore& store);
// One line of the dialog's sports list: the name padded to 32, the letter and
// two blanks, the distance letter, a blank, the pace text.
std::string sportListLine(const SportDef& sport);

// Adds a sport at the end; refused (false) when the list holds 17 already.
bool addSport(LogStore& store, const std::string& name, char letter, DistanceUnit distance, PaceUnit pace,
              const std::vector<std::string>& calorieSportNames);
// Removes sport number (1..sportCount); later sports move down one place.
void deleteSport(LogStore& store, int sport);

inline constexpr const char* kChooseSportFirst = "Choose a sport from the list above!";
