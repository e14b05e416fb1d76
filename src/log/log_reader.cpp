#include "log_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include "messages.h"
#include "values/time_value.h"

namespace {

std::string format1(const char* pattern, const std::string& text, int number = 0)
{
    std::string out(std::strlen(pattern) + text.size() + 24, '\0');
    int n = std::snprintf(out.data(), out.size(), pattern, text.c_str(), number);
    out.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return out;
}

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
        sport.letter = codes.empty() ? '\0' : codes[0];
        if (codes.size() > 1)
            sport.distanceUnits = unitFromSuffix(codes[1]);
        std::string_view pace = codes.size() > 2 ? codes.substr(2) : std::string_view();
        if (!pace.empty() && pace != "   ")
            sport.paceUnits = paceUnitFromName(pace);
    }
    sport.calorieIndex = calorieIndexFor(sport.name.view(), options.calorieSportNames);
}

struct Cursor {
    const std::vector<std::string_view>& lines;
    std::size_t next = 0;
    bool atEnd() const { return next >= lines.size(); }
};

// Takes up to count lines after a header, handing the first limit of them to
// take and passing over the rest, so the lines after the section stay in step.
template <typename Take>
bool takeSection(Cursor& cursor, long count, std::size_t limit, Take take)
{
    bool overflow = false;
    for (long i = 0; i < count && !cursor.atEnd(); ++i) {
        std::string_view line = cursor.lines[cursor.next++];
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
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        error = S_ISDIR(info.st_mode) ? EISDIR : errno;
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

std::vector<std::string_view> splitLines(std::string& buffer)
{
    // Like a C string, the text ends at its first NUL.
    std::size_t nul = buffer.find('\0');
    if (nul != std::string::npos)
        buffer.resize(nul);
    char* text = buffer.data();
    const std::size_t size = buffer.size();
    const bool lineFeeds = std::memchr(text, '\n', size) != nullptr;
    // With line feeds every CR goes, wherever it stands; without them each
    // CR ends a line. Removing a line's CRs inside the line itself gives the
    // same lines as removing them from the whole text first.
    const char end = lineFeeds ? '\n' : '\r';
    std::vector<std::string_view> lines;
    lines.reserve(size / 64 + 16);
    std::size_t start = 0;
    while (start < size) {
        const void* hit = std::memchr(text + start, end, size - start);
        const std::size_t stop = hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - text) : size;
        std::size_t length = stop - start;
        if (lineFeeds) {
            if (length > 0 && text[stop - 1] == '\r')
                --length;  // the usual CR LF
            char* line = text + start;
            if (std::memchr(line, '\r', length)) {
                std::size_t kept = 0;
                for (std::size_t i = 0; i < length; ++i)
                    if (line[i] != '\r')
                        line[kept++] = line[i];
                length = kept;
            }
        }
        // Each line stays a C string for the count patterns.
        text[start + length] = '\0';
        lines.emplace_back(text + start, length);
        start = stop + 1;
    }
    return lines;
}

bool parseEntryLine(std::string_view line, bool relative, LogEntry& entry, bool& badData, LogStore& store,
                    UserPrompt& prompt)
{
    entry.clear();
    if (line.empty())
        return false;

    CalendarDate date;
    const DateFormat format = store.preferences.dateFormat();
    const InputWarning warnings = [&prompt](const std::string& text) {
        prompt.message(kInputErrorCaption, text, UserPrompt::Icon::Warning);
    };
    bool accepted = false;
    if (relative) {
        accepted = line.size() >= 2 && line[0] == '-' && line[1] >= '0' && line[1] <= '9';
        if (accepted) {
            long n = std::strtol(std::string(line.substr(1, 12)).c_str(), nullptr, 10);
            date = addDays(store.trainingReference, -static_cast<int>(n > 1000000 ? 1000000 : n));
        }
    } else {
        bool hasTab = line.find('\t') != std::string_view::npos;
        bool slash = (line.size() > 1 && line[1] == '/') || (line.size() > 2 && line[2] == '/');
        accepted = hasTab && slash;
        if (accepted)
            date = parseDate(line.substr(0, line.find('\t')), format);
    }
    if (!accepted) {
        badData = true;
        if (prompt.shiftHeld())
            prompt.message(msg::kBadEntryCaption, std::string(line), UserPrompt::Icon::None);
        return false;
    }

    std::string_view fields[7];
    std::size_t start = 0;
    for (int f = 0; f < 7 && start <= line.size(); ++f) {
        std::size_t tab = line.find('\t', start);
        fields[f] = line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start);
        if (tab == std::string_view::npos)
            break;
        start = tab + 1;
    }

    if (relative)
        entry.dateText.setPlain(formatDate(date, format));
    else
        entry.dateText.setPlain(fields[0]);
    entry.kindSport.setPlain(fields[1]);
    entry.sportIndex = entry.kindSport.size() < 2 ? 0 : store.resolveSportByLetter(entry.kindSport[1]);
    const SportUnits units = store.unitsOf(entry.sportIndex);

    entry.distanceText.setPlain(fields[2]);
    if (units.distanceUnits != DistanceUnit::None && !entry.distanceText.empty()) {
        float number = readNumber(entry.distanceText.view());
        std::string_view text = entry.distanceText.view();
        char last = text.back();
        if (last == 'K' || last == 'M' || last == 'Y' || last == 'm')
            number = fromMiles(toMiles(number, unitFromSuffix(last)), units.distanceUnits);
        entry.distance = number;
    }

    if (!fields[3].empty()) {
        char time[kTimeTextRoom];
        std::size_t length = 0;
        entry.minutes = readTime(fields[3].substr(0, FixedText<10>::capacity), warnings, time, length);
        entry.timeText.setPlain(std::string_view(time, length));
    }
    entry.paceText.setPlain(fields[4]);
    entry.routeText.setPlain(fields[5]);
    entry.commentText.setPlain(fields[6]);

    // The week and month come from the stored text, the sort key from the date
    // as read; they differ only when the field was longer than its width.
    const bool textDiffers = relative || fields[0].size() > FixedText<10>::capacity;
    deriveDateFields(entry, textDiffers ? parseDate(entry.dateText.view(), format) : date, store.weekOrigin);
    entry.dateKey = dateKeyOf(date);
    entry.selected = 1;
    return true;
}

namespace {

ReadResult reportOpenFailure(const LogStore& store, UserPrompt& prompt, bool isDefaultLog, int error)
{
    if (error == ENOENT || error == ENOTDIR) {
        inform(prompt, notFoundText(store.fileName, isDefaultLog));
        return ReadResult::NotFound;
    }
    if (error == EACCES || error == EPERM)
        inform(prompt, format1(msg::kProblemAccessing, store.fileName));
    else
        inform(prompt, format1(msg::kProblemOpening, store.fileName, error));
    return ReadResult::OpenFailed;
}

// Walks the lines of a log, filling the store; returns whether any line was
// rejected or cut away at a limit.
bool readSections(const std::vector<std::string_view>& lines, LogStore& store, UserPrompt& prompt,
                  const ReadOptions& options)
{
    bool badData = false;
    Cursor cursor{lines};
    while (!cursor.atEnd()) {
        std::string_view line = lines[cursor.next++];
        if (line.empty())
            break;
        // Entry lines begin with a digit; only the rest can be a section header.
        const bool header = line[0] == 'S' || line[0] == 'P' || line[0] == 'R' || line[0] == 'K';
        if (!header) {
            if (store.isFull())
                badData = true;
            else if (parseEntryLine(line, false, store.entry(store.entryCount), badData, store, prompt))
                ++store.entryCount;
        } else if (startsWith(line, "Sports List:")) {
            store.resetSportNone();
            long n = sectionCount(line, "Sports List: %d");
            std::size_t taken = 0;
            badData |= takeSection(cursor, n, LogStore::kMaxSports, [&](std::size_t i, std::string_view text) {
                readSportLine(text, store.sports[i + 1], options);
                taken = i + 1;
            });
            store.sportCount = static_cast<std::uint16_t>(taken);
        } else if (startsWith(line, "Preferences:")) {
            std::string text(line.substr(0, 200));
            auto& v = store.preferences.values;
            std::sscanf(text.c_str(), "Preferences: %d %d %d %d %d %d %d", &v[0], &v[1], &v[2], &v[3], &v[4],
                        &v[5], &v[6]);
            store.weekOrigin = weekOriginFor(store.preferences.weekStart());
        } else if (startsWith(line, "Routes:")) {
            long n = sectionCount(line, "Routes: %d");
            std::size_t taken = 0;
            badData |= takeSection(cursor, n, LogStore::kMaxRoutes, [&](std::size_t i, std::string_view text) {
                store.routes[i].text = text.substr(0, 611);
                taken = i + 1;
            });
            store.routeCount = static_cast<std::uint16_t>(taken);
        } else if (startsWith(line, "Keywords")) {
            long n = sectionCount(line, "Keywords: %d");
            std::size_t taken = 0;
            badData |= takeSection(cursor, n, LogStore::kMaxKeywords, [&](std::size_t i, std::string_view text) {
                store.keywords[i].text = text;
                taken = i + 1;
            });
            store.keywordCount = static_cast<std::uint16_t>(taken);
        } else if (store.isFull()) {
            badData = true;  // the store holds no more; the warning says some were lost
        } else if (parseEntryLine(line, false, store.entry(store.entryCount), badData, store, prompt)) {
            ++store.entryCount;
        }
    }
    return badData;
}

}  // namespace

ReadResult readLog(LogStore& store, UserPrompt& prompt, const ReadOptions& options)
{
    store.modified = false;
    const std::string path = store.fileName;
    {
        int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
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
                inform(prompt, format1(msg::kProblemOpening, path, error));
                return ReadResult::OpenFailed;
            }
            inform(prompt, error == ENOMEM ? msg::kNoMemory : msg::kProblemReading);
            return ReadResult::ReadFailed;
        }
        std::vector<std::string_view> lines = splitLines(buffer);
        if (lines.empty() || !startsWith(lines[0], "Sports List:")) {
            inform(prompt, msg::kNotALog);
            return ReadResult::NotALog;
        }
        badData = readSections(lines, store, prompt, options);
        store.shownCount = store.entryCount;
    }
    if (badData)
        inform(prompt, msg::kRejectedData);
    return ReadResult::Ok;
}
