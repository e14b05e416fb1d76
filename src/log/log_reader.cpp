#include "log_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <iterator>
#include <new>

#include "messages.h"
#include "values/time_value.h"

namespace {

void inform(UserPrompt& prompt, const std::string& text)
{
    prompt.message(msg::kCaption, text, UserPrompt::Icon::Information);
}

std::string notFoundText(const std::string& fileName, bool isDefaultLog)
{
    std::string text = msg::kCouldntFind;
    if (isDefaultLog)
        text += msg::kDefaultLogWord;
    text += fileName;
    text += msg::kUseOpenOrNew;
    text += isDefaultLog ? msg::kThenMakeDefault : ".";
    return text;
}

bool startsWith(std::string_view line, std::string_view prefix)
{
    return line.substr(0, prefix.size()) == prefix;
}

// A section header's count; a missing or negative count takes no lines.
long sectionCount(std::string_view line, const char* pattern)
{
    int n = 0;
    char head[64];
    std::size_t len = line.size() < sizeof head - 1 ? line.size() : sizeof head - 1;
    line.copy(head, len);
    head[len] = '\0';
    if (std::sscanf(head, pattern, &n) != 1 || n < 0)
        return 0;
    return n;
}

void readSportLine(std::string_view line, SportDef& sport, const ReadOptions& options)
{
    line = line.substr(0, 30);
    sport = SportDef{};
    std::size_t tab = line.find('\t');
    sport.name = line.substr(0, tab);
    if (tab != std::string_view::npos) {
        std::string_view codes = line.substr(tab + 1);
        // A line ending in its tab names no letter: the blank, as sport
        // "None" has, since a NUL would end the line when written.
        sport.letter = codes.empty() || codes[0] == '\0' ? ' ' : codes[0];
        if (codes.size() > 1)
            sport.distanceUnits = unitFromSuffix(codes[1]);
        std::string_view pace = codes.size() > 2 ? codes.substr(2) : std::string_view();
        if (!pace.empty() && pace != "   ")
            sport.paceUnits = paceUnitFromName(pace);
    }
    sport.calorieIndex = calorieIndexFor(sport.name.view(), options.calorieSportNames);
}

// Takes up to count lines after a header, handing the first limit of them to
// take and passing over the rest, so the lines after the section stay in step.
template <typename Take>
bool takeSection(LineSplitter& lines, LineFields& fields, long count, std::size_t limit, Take take)
{
    bool overflow = false;
    std::string_view line;
    for (long i = 0; i < count && lines.next(line, fields); ++i) {
        // A NUL cuts the text there (the tables keep C strings): say so.
        overflow |= fields.hasNul;
        if (static_cast<std::size_t>(i) < limit)
            take(static_cast<std::size_t>(i), line);
        else
            overflow = true;
    }
    return overflow;
}

}  // namespace

int calorieIndexFor(std::string_view sportName, const std::vector<std::string>& calorieSportNames)
{
    int byName = -1;
    int byDefault = -1;
    for (std::size_t i = 0; i < calorieSportNames.size(); ++i) {
        if (calorieSportNames[i] == sportName)
            byName = static_cast<int>(i);
        if (calorieSportNames[i] == "Default")
            byDefault = static_cast<int>(i);
    }
    return byName >= 0 ? byName : byDefault;
}

bool readWholeFile(const std::string& path, std::string& buffer, int& error)
{
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        // A folder has a message of its own; a pipe or a device is refused
        // as a file without access.
        error = S_ISDIR(info.st_mode) ? EISDIR : S_ISREG(info.st_mode) ? errno : EACCES;
        ::close(fd);
        return false;
    }
    buffer.clear();
    std::size_t used = 0;
    try {
        // One byte more than the file holds, so reading to its end needs no
        // second, larger buffer.
        buffer.resize(info.st_size > 0 ? static_cast<std::size_t>(info.st_size) + 1 : 4096);
        for (;;) {
            if (used == buffer.size())
                buffer.resize(buffer.size() * 2);
            ssize_t got = ::read(fd, buffer.data() + used, buffer.size() - used);
            if (got < 0) {
                if (errno == EINTR)
                    continue;
                error = errno;
                ::close(fd);
                return false;
            }
            if (got == 0)
                break;
            used += static_cast<std::size_t>(got);
        }
    } catch (const std::bad_alloc&) {
        error = ENOMEM;
        ::close(fd);
        return false;
    }
    buffer.resize(used);
    ::close(fd);
    return true;
}

LineSplitter::LineSplitter(std::string& buffer) : m_text(buffer.data()), m_size(buffer.size())
{
    // With line feeds every CR goes, wherever it stands; without them each
    // CR ends a line. Removing a line's CRs inside the line itself gives the
    // same lines as removing them from the whole text first.
    m_lineFeeds = std::memchr(m_text, '\n', m_size) != nullptr;
}

bool LineSplitter::next(std::string_view& line)
{
    if (m_start >= m_size)
        return false;
    const char end = m_lineFeeds ? '\n' : '\r';
    const std::size_t start = m_start;
    const void* hit = std::memchr(m_text + start, end, m_size - start);
    const std::size_t stop = hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - m_text) : m_size;
    std::size_t length = stop - start;
    if (m_lineFeeds) {
        if (length > 0 && m_text[stop - 1] == '\r')
            --length;  // the usual CR LF
        char* text = m_text + start;
        if (std::memchr(text, '\r', length)) {
            std::size_t kept = 0;
            for (std::size_t i = 0; i < length; ++i)
                if (text[i] != '\r')
                    text[kept++] = text[i];
            length = kept;
        }
    }
    // Each line stays a C string for the count patterns (the byte after a
    // line is its line end, or the string's own NUL).
    m_text[start + length] = '\0';
    line = std::string_view(m_text + start, length);
    m_start = stop + 1;
    return true;
}

bool LineSplitter::next(std::string_view& line, LineFields& fields)
{
    if (m_start >= m_size)
        return false;
    char* const text = m_text + m_start;
    const std::size_t available = m_size - m_start;
    const LineScan scan = scanLine(text, available, m_lineFeeds ? '\n' : '\r');
    std::size_t length = scan.stop;
    m_start += scan.stop + 1;
    if (scan.crCount == 1 && scan.lastCr + 1 == scan.stop) {
        --length;  // the usual CR LF (only with line feeds can a CR be inside a line)
    } else if (scan.crCount > 0) {
        // CRs inside the line go, and its fields are found again without them.
        std::size_t kept = 0;
        for (std::size_t i = 0; i < length; ++i)
            if (text[i] != '\r')
                text[kept++] = text[i];
        length = kept;
        text[length] = '\0';
        line = std::string_view(text, length);
        fields = splitFields(line);
        return true;
    }
    text[length] = '\0';
    line = std::string_view(text, length);
    fieldsFromScan(text, length, scan, fields);
    return true;
}

std::vector<std::string_view> splitLines(std::string& buffer)
{
    std::vector<std::string_view> lines;
    LineSplitter splitter(buffer);
    std::string_view line;
    while (splitter.next(line))
        lines.push_back(line);
    return lines;
}

namespace {

// An entry's sport by the letter of its kindSport (already cut to its
// width), and its distance number from its distanceText (the same), as
// reading its line gives them. Sets currentSport when a letter is looked up.
void resolveSport(LogEntry& entry, std::string_view kindSport, std::string_view distanceText, LogStore& store,
                  const std::uint16_t* sportOfLetter)
{
    if (kindSport.size() < 2) {
        entry.sportIndex = 0;
    } else if (sportOfLetter) {
        entry.sportIndex = sportOfLetter[static_cast<unsigned char>(kindSport[1])];
        store.currentSport = entry.sportIndex;
    } else {
        entry.sportIndex = store.resolveSportByLetter(kindSport[1]);
    }
    const SportUnits units = store.unitsOf(entry.sportIndex);
    entry.distance = 0.0f;
    if (units.distanceUnits != DistanceUnit::None && !distanceText.empty()) {
        float number = readNumber(distanceText);
        char last = distanceText.back();
        if (last == 'K' || last == 'M' || last == 'Y' || last == 'm')
            number = fromMiles(toMiles(number, unitFromSuffix(last)), units.distanceUnits);
        entry.distance = number;
    }
}

// What the entry lines of one read share, made once rather than for each
// line: the warning hook of the time normaliser and the sport of each letter.
class EntryParser {
public:
    EntryParser(LogStore& store, UserPrompt& prompt)
        : m_store(store), m_prompt(prompt), m_warnings([&prompt](const std::string& text) {
              prompt.message(kInputErrorCaption, text, UserPrompt::Icon::Warning);
          })
    {
        sportsChanged();
    }

    // After the sports list changed: the last sport with a letter is the one
    // the letter names, as resolveSportByLetter finds it.
    void sportsChanged()
    {
        std::fill(std::begin(m_sportOfLetter), std::end(m_sportOfLetter), std::uint16_t{0});
        for (std::uint16_t i = 0; i <= m_store.sportCount && i <= LogStore::kMaxSports; ++i)
            m_sportOfLetter[static_cast<unsigned char>(m_store.sports[i].letter)] = i;
    }

    bool parse(std::string_view line, const LineFields& fields, bool relative, LogEntry& entry, bool& badData);

private:
    LogStore& m_store;
    UserPrompt& m_prompt;
    InputWarning m_warnings;
    std::uint16_t m_sportOfLetter[256];
};

bool EntryParser::parse(std::string_view line, const LineFields& fields, bool relative, LogEntry& entry,
                        bool& badData)
{
    entry.clear();
    if (line.empty())
        return false;
    // A NUL would end the stored texts early and drop the rest of the line
    // unseen: the line is rejected, with the warning.
    if (fields.hasNul) {
        badData = true;
        return false;
    }

    CalendarDate date;
    const DateFormat format = m_store.preferences.dateFormat();
    bool accepted = false;
    if (relative) {
        accepted = line.size() >= 2 && line[0] == '-' && line[1] >= '0' && line[1] <= '9';
        if (accepted) {
            long n = std::strtol(std::string(line.substr(1, 12)).c_str(), nullptr, 10);
            date = addDays(m_store.trainingReference, -static_cast<int>(n > 1000000 ? 1000000 : n));
        }
    } else {
        bool slash = (line.size() > 1 && line[1] == '/') || (line.size() > 2 && line[2] == '/');
        accepted = fields.hasTab && slash;
        if (accepted && !parseTwoDigitDate(fields[0], format, date))
            date = parseDate(fields[0], format);
    }
    if (!accepted) {
        badData = true;
        if (m_prompt.shiftHeld())
            m_prompt.message(msg::kBadEntryCaption, std::string(line), UserPrompt::Icon::None);
        return false;
    }

    if (relative)
        entry.dateText.setPlain(formatDate(date, format));
    else
        entry.dateText.setPlain(fields[0]);
    const std::string_view kindSport = fields[1].substr(0, FixedText<4>::capacity);
    const std::string_view distanceText = fields[2].substr(0, FixedText<10>::capacity);
    entry.kindSport.setPlain(kindSport);
    entry.distanceText.setPlain(distanceText);
    resolveSport(entry, kindSport, distanceText, m_store, m_sportOfLetter);

    if (!fields[3].empty()) {
        char time[kTimeTextRoom];
        std::size_t length = 0;
        entry.minutes = readTime(fields[3].substr(0, FixedText<10>::capacity), m_warnings, time, length);
        entry.timeText.setPlain(std::string_view(time, length));
    }
    entry.paceText.setPlain(fields[4]);
    entry.routeText.setPlain(fields[5]);
    entry.commentText.setPlain(fields[6]);

    // The week and month come from the stored text, the sort key from the date
    // as read; they differ only when the field was longer than its width.
    const bool textDiffers = relative || fields[0].size() > FixedText<10>::capacity;
    deriveDateFields(entry, textDiffers ? parseDate(entry.dateText.view(), format) : date, m_store.weekOrigin);
    entry.dateKey = dateKeyOf(date);
    entry.selected = 1;
    return true;
}

}  // namespace

void resolveEntrySport(LogEntry& entry, LogStore& store)
{
    resolveSport(entry, entry.kindSport.view(), entry.distanceText.view(), store, nullptr);
}

bool parseEntryLine(std::string_view line, bool relative, LogEntry& entry, bool& badData, LogStore& store,
                    UserPrompt& prompt)
{
    EntryParser parser(store, prompt);
    return parser.parse(line, splitFields(line), relative, entry, badData);
}

namespace {

ReadResult reportOpenFailure(const LogStore& store, UserPrompt& prompt, bool isDefaultLog, int error)
{
    if (error == ENOENT || error == ENOTDIR) {
        inform(prompt, notFoundText(store.fileName, isDefaultLog));
        return ReadResult::NotFound;
    }
    if (error == EACCES || error == EPERM)
        inform(prompt, msg::withPath(msg::kProblemAccessing, store.fileName));
    else
        inform(prompt, msg::withPath(msg::kProblemOpening, store.fileName, error));
    return ReadResult::OpenFailed;
}

// Walks the lines of a log from its first, filling the store; returns whether any line was
// rejected or cut away at a limit.
bool readSections(LineSplitter& lines, std::string_view line, LineFields& fields, LogStore& store, UserPrompt& prompt,
                  const ReadOptions& options)
{
    bool badData = false;
    EntryParser parser(store, prompt);
    auto takeEntry = [&] {
        if (store.isFull())
            badData = true;  // the store holds no more; the warning says some were lost
        else if (parser.parse(line, fields, false, store.entry(store.entryCount), badData))
            ++store.entryCount;
    };
    do {
        if (line.empty())
            break;
        // Entry lines begin with a digit; only the rest can be a section header.
        const bool header = line[0] == 'S' || line[0] == 'P' || line[0] == 'R' || line[0] == 'K';
        if (!header) {
            takeEntry();
        } else if (startsWith(line, "Sports List:")) {
            badData |= fields.hasNul;
            store.resetSportNone();
            long n = sectionCount(line, "Sports List: %d");
            std::size_t taken = 0;
            badData |= takeSection(lines, fields, n, LogStore::kMaxSports, [&](std::size_t i, std::string_view text) {
                readSportLine(text, store.sports[i + 1], options);
                taken = i + 1;
            });
            store.sportCount = static_cast<std::uint16_t>(taken);
            parser.sportsChanged();
        } else if (startsWith(line, "Preferences:")) {
            badData |= fields.hasNul;
            std::string text(line.substr(0, 200));
            auto& v = store.preferences.values;
            std::sscanf(text.c_str(), "Preferences: %d %d %d %d %d %d %d", &v[0], &v[1], &v[2], &v[3], &v[4],
                        &v[5], &v[6]);
            store.weekOrigin = weekOriginFor(store.preferences.weekStart());
        } else if (startsWith(line, "Routes:")) {
            long n = sectionCount(line, "Routes: %d");
            std::size_t taken = 0;
            badData |= takeSection(lines, fields, n, LogStore::kMaxRoutes, [&](std::size_t i, std::string_view text) {
                store.routes[i].text = text.substr(0, 611);
                taken = i + 1;
            });
            store.routeCount = static_cast<std::uint16_t>(taken);
        } else if (startsWith(line, "Keywords")) {
            long n = sectionCount(line, "Keywords: %d");
            std::size_t taken = 0;
            badData |= takeSection(lines, fields, n, LogStore::kMaxKeywords, [&](std::size_t i, std::string_view text) {
                store.keywords[i].text = text;
                taken = i + 1;
            });
            store.keywordCount = static_cast<std::uint16_t>(taken);
        } else {
            takeEntry();
        }
    } while (lines.next(line, fields));
    return badData;
}

}  // namespace

ReadResult readLog(LogStore& store, UserPrompt& prompt, const ReadOptions& options, bool& rejectedLines)
{
    rejectedLines = false;
    store.modified = false;
    const std::string path = store.fileName;
    // A pipe or a device would block the read or never end: only a file
    // (or a folder, which has its own message) is opened.
    if (struct stat info{}; ::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode))
        return reportOpenFailure(store, prompt, options.isDefaultLog, EACCES);
    {
        int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            return reportOpenFailure(store, prompt, options.isDefaultLog, errno);
        ::close(fd);
    }
    store.displayName = displayNameOf(path);
    // A log opened from its backup copy is saved back under its own name.
    const std::size_t n = path.size();
    if (n >= 4 && path.compare(n - 4, 4, ".bak") == 0)
        store.fileName.replace(n - 3, 3, "dat");

    bool badData = false;
    {
        BusyScope busy(prompt);
        std::string buffer;
        int error = 0;
        if (!readWholeFile(path, buffer, error)) {
            if (error == EISDIR) {
                inform(prompt, msg::withPath(msg::kProblemOpening, path, error));
                return ReadResult::OpenFailed;
            }
            if (error == EACCES)
                return reportOpenFailure(store, prompt, options.isDefaultLog, error);
            inform(prompt, error == ENOMEM ? msg::kNoMemory : msg::kProblemReading);
            return ReadResult::ReadFailed;
        }
        // The first line says whether this is a log at all; the rest is
        // taken one line at a time, so no file costs more than its bytes.
        LineSplitter lines(buffer);
        std::string_view first;
        LineFields fields;
        if (!lines.next(first, fields) || !startsWith(first, "Sports List:")) {
            inform(prompt, msg::kNotALog);
            return ReadResult::NotALog;
        }
        try {
            badData = readSections(lines, first, fields, store, prompt, options);
        } catch (const std::bad_alloc&) {
            inform(prompt, msg::kNoMemory);
            return ReadResult::ReadFailed;
        }
        store.shownCount = store.entryCount;
    }
    if (badData)
        inform(prompt, msg::kRejectedData);
    rejectedLines = badData;
    return ReadResult::Ok;
}

ReadResult readLog(LogStore& store, UserPrompt& prompt, const ReadOptions& options)
{
    bool rejectedLines = false;
    return readLog(store, prompt, options, rejectedLines);
}
