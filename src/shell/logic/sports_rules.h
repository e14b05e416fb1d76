#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "log/log_store.h"

// The names the Sports dialog offers, less those the log already has.
std::vector<std::string> offeredSportNames(const LogStore& store);
// "A".."Z" less the letters the log's sports already use.
std::vector<char> offeredLetters(const LogStore& store);
// One line of the dialog's sports list: the name padded to 32, the letter and
// two blanks, the distance letter, a blank, the pace text.
std::string sportListLine(const SportDef& sport);

// The unit codes of the dialog's radio groups: the checked button's position
// (0 for the first) + 1, modulo 5, so the last button ("Units/None", "None")
// gives 0.
DistanceUnit distanceUnitOfButton(int position);
PaceUnit paceUnitOfButton(int position);

// The longest name whose sports line (name, tab, letter, unit letter and the
// three-letter pace) fits the 30 characters a reader takes of it.
inline constexpr std::size_t kSportNameLength = 24;

// Adds a sport at the end (its name cut to kSportNameLength); refused (false) when the list holds 17 already.
bool addSport(LogStore& store, const std::string& name, char letter, DistanceUnit distance, PaceUnit pace,
              const std::vector<std::string>& calorieSportNames);
// Removes sport number (1..sportCount); later sports move down one place,
// and every entry's sport is found again by its letter, as reopening the
// saved log would find it.
void deleteSport(LogStore& store, int sport);

// The Sports dialog while it is open: what its sport box and abbreviation box
// offer, the sports-changed flag, and every step. The dialog only shows it.
class SportsEditor {
public:
    enum class AddResult { Added, NoName, NoLetter, ListFull };

    SportsEditor(LogStore& store, std::vector<std::string> calorieSportNames);

    // The sport box's items and the abbreviation box's items, both sorted.
    const std::vector<std::string>& names() const { return m_names; }
    const std::vector<char>& letters() const { return m_letters; }
    // The sports list: one line for each of the sports 1..N.
    std::vector<std::string> listLines() const;
    bool sportsChanged() const { return m_changed; }

    // The sport the box stands for: its text, or the selected item when the
    // text is empty; empty when neither gives a name.
    std::string sportName(const std::string& text, int selectedName) const;
    // The abbreviation-box item proposed for a sport name: the letter equal to
    // its first character (its capital when no item is equal), else the
    // first item; -1 for an empty name or an empty box.
    int proposedLetter(std::string_view name) const;

    // Adds the named sport with the letter and the units of the checked
    // buttons (positions as in distanceUnitOfButton), then takes the selected
    // items (-1 for none) out of the two boxes. Nothing changes unless Added.
    AddResult add(const std::string& name, char letter, int distanceButton, int paceButton, int selectedName,
                  int selectedLetter);
    // Deletes the sport of a sports-list line and gives its name and letter
    // back to the boxes. Returns false when the line shows no sport.
    bool remove(int line);

    // The colour slot of a sports-list line (its sport's number), or -1 for
    // a sport past the colour table's end.
    static int colorSlot(int line);

private:
    void offerName(const std::string& name);
    void offerLetter(char letter);

    LogStore& m_store;
    std::vector<std::string> m_calorieSportNames;
    std::vector<std::string> m_names;
    std::vector<char> m_letters;
    bool m_changed = false;
};

inline constexpr const char* kSportsCaption = "Orvanta";
inline constexpr const char* kChooseSportFirst = "Choose a sport from the list above!";
inline constexpr const char* kChooseAbbreviationFirst = "Choose an abbreviation for the sport!";
inline constexpr const char* kSportsListFull = "The sports list is full: a log holds at most 17 sports.";
inline constexpr const char* kSportHasNoColor = "Only the first 15 sports of the list have a colour of their own.";
