#include "sports_rules.h"

#include <algorithm>
#include <cctype>

#include "app_settings.h"
#include "log/log_reader.h"

namespace {

// The names the sport box starts from, before the log's own are taken out.
constexpr const char* kOfferedSports[] = {
    "Aerobics", "Biathlon", "Cycling",   "Inline Skating", "Misc.",   "Running",
    "Stairs",   "Swimming", "Triathlon", "Walking",        "Weights", "XC Skiing",
};

int upper(char c)
{
    return std::toupper(static_cast<unsigned char>(c));
}

// The boxes sort as a list box does: by the letters, small and capital alike.
bool lessIgnoringCase(std::string_view a, std::string_view b)
{
    auto lowerA = [](char x, char y) { return upper(x) < upper(y); };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), lowerA))
        return true;
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), lowerA))
        return false;
    return a < b;
}

bool hasSportNamed(const LogStore& store, std::string_view name)
{
    for (int i = 1; i <= store.sportCount; ++i)
        if (store.sports[i].name.view() == name)
            return true;
    return false;
}

bool hasSportLettered(const LogStore& store, char letter)
{
    for (int i = 1; i <= store.sportCount; ++i)
        if (store.sports[i].letter == letter)
            return true;
    return false;
}

}  // namespace

std::vector<std::string> offeredSportNames(const LogStore& store)
{
    std::vector<std::string> names;
    for (const char* name : kOfferedSports)
        if (!hasSportNamed(store, name))
            names.emplace_back(name);
    std::sort(names.begin(), names.end(), lessIgnoringCase);
    return names;
}

std::vector<char> offeredLetters(const LogStore& store)
{
    std::vector<char> letters;
    for (char c = 'A'; c <= 'Z'; ++c)
        if (!hasSportLettered(store, c))
            letters.push_back(c);
    return letters;
}

std::string sportListLine(const SportDef& sport)
{
    std::string line = sport.name.str();
    line.resize(std::max<std::size_t>(line.size(), 32), ' ');
    line += sport.letter;
    line += "  ";
    const auto distance = static_cast<int>(sport.distanceUnits);
    // Feet is never a sport's unit; like any other stray code it shows blank.
    line += distance >= 1 && distance <= 4 ? unitSuffix(sport.distanceUnits) : ' ';
    line += ' ';
    line += paceUnitName(sport.paceUnits);
    return line;
}

DistanceUnit distanceUnitOfButton(int position)
{
    return static_cast<DistanceUnit>((position + 1) % 5);
}

PaceUnit paceUnitOfButton(int position)
{
    return static_cast<PaceUnit>((position + 1) % 5);
}

bool addSport(LogStore& store, const std::string& name, char letter, DistanceUnit distance, PaceUnit pace,
              const std::vector<std::string>& calorieSportNames)
{
    if (store.sportCount >= LogStore::kMaxSports)
        return false;
    SportDef& sport = store.sports[store.sportCount + 1];
    sport = SportDef{};
    sport.name = std::string_view(name).substr(0, kSportNameLength);
    sport.letter = letter;
    sport.distanceUnits = distance;
    sport.paceUnits = pace;
    sport.calorieIndex = calorieIndexFor(sport.name.view(), calorieSportNames);
    ++store.sportCount;
    store.modified = true;
    return true;
}

void deleteSport(LogStore& store, int sport)
{
    if (sport < 1 || sport > store.sportCount)
        return;
    for (int i = sport; i < store.sportCount; ++i)
        store.sports[i] = store.sports[i + 1];
    store.sports[store.sportCount] = SportDef{};
    --store.sportCount;
    const std::uint16_t formSport = store.currentSport;
    for (int i = 0; i < store.entryCount; ++i)
        resolveEntrySport(store.entry(i), store);
    store.currentSport = formSport;
    store.modified = true;
}

SportsEditor::SportsEditor(LogStore& store, std::vector<std::string> calorieSportNames)
    : m_store(store),
      m_calorieSportNames(std::move(calorieSportNames)),
      m_names(offeredSportNames(store)),
      m_letters(offeredLetters(store))
{
}

std::vector<std::string> SportsEditor::listLines() const
{
    std::vector<std::string> lines;
    for (int i = 1; i <= m_store.sportCount; ++i)
        lines.push_back(sportListLine(m_store.sports[i]));
    return lines;
}

std::string SportsEditor::sportName(const std::string& text, int selectedName) const
{
    if (!text.empty())
        return text;
    if (selectedName >= 0 && selectedName < static_cast<int>(m_names.size()))
        return m_names[selectedName];
    return {};
}

int SportsEditor::proposedLetter(std::string_view name) const
{
    if (name.empty() || m_letters.empty())
        return -1;
    auto exact = std::find(m_letters.begin(), m_letters.end(), name.front());
    if (exact != m_letters.end())
        return static_cast<int>(exact - m_letters.begin());
    // The box holds capitals, so a name typed in small letters still finds its initial.
    auto capital =
        std::find_if(m_letters.begin(), m_letters.end(), [&](char c) { return upper(c) == upper(name.front()); });
    return capital != m_letters.end() ? static_cast<int>(capital - m_letters.begin()) : 0;
}

SportsEditor::AddResult SportsEditor::add(const std::string& name, char letter, int distanceButton, int paceButton,
                                          int selectedName, int selectedLetter)
{
    if (name.empty())
        return AddResult::NoName;
    if (letter == '\0')
        return AddResult::NoLetter;
    if (!addSport(m_store, name, letter, distanceUnitOfButton(distanceButton), paceUnitOfButton(paceButton),
                  m_calorieSportNames))
        return AddResult::ListFull;
    m_changed = true;
    if (selectedName >= 0 && selectedName < static_cast<int>(m_names.size()))
        m_names.erase(m_names.begin() + selectedName);
    if (selectedLetter >= 0 && selectedLetter < static_cast<int>(m_letters.size()))
        m_letters.erase(m_letters.begin() + selectedLetter);
    return AddResult::Added;
}

bool SportsEditor::remove(int line)
{
    const int sport = line + 1;
    if (line < 0 || sport > m_store.sportCount)
        return false;
    offerName(m_store.sports[sport].name.str());
    offerLetter(m_store.sports[sport].letter);
    // The colours stay where they are: each belongs to a sport number, so the
    // sports that move down take the colours of their new numbers.
    deleteSport(m_store, sport);
    m_changed = true;
    return true;
}

int SportsEditor::colorSlot(int line)
{
    const int slot = line + 1;
    return line >= 0 && slot < AppSettings::kColorCount ? slot : -1;
}

void SportsEditor::offerName(const std::string& name)
{
    if (name.empty() || std::find(m_names.begin(), m_names.end(), name) != m_names.end())
        return;
    m_names.insert(std::upper_bound(m_names.begin(), m_names.end(), name, lessIgnoringCase), name);
}

void SportsEditor::offerLetter(char letter)
{
    // A blank (or a stray control byte from a damaged file) is no abbreviation to offer.
    if (!std::isgraph(static_cast<unsigned char>(letter)) ||
        std::find(m_letters.begin(), m_letters.end(), letter) != m_letters.end())
        return;
    auto less = [](char a, char b) { return lessIgnoringCase(std::string_view(&a, 1), std::string_view(&b, 1)); };
    m_letters.insert(std::upper_bound(m_letters.begin(), m_letters.end(), letter, less), letter);
}
