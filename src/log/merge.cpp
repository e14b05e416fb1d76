#include "merge.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "log_reader.h"
#include "messages.h"

namespace {

void inform(UserPrompt& prompt, const std::string& text)
{
    prompt.message(msg::kCaption, text, UserPrompt::Icon::Information);
}

bool startsWith(std::string_view line, std::string_view prefix)
{
    return line.substr(0, prefix.size()) == prefix;
}

// A section header's count; a missing or negative count passes over nothing.
long sectionLength(std::string_view line, const char* pattern)
{
    char head[64];
    const std::size_t length = std::min(line.size(), sizeof head - 1);
    line.copy(head, length);
    head[length] = '\0';
    int n = 0;
    if (std::sscanf(head, pattern, &n) != 1 || n < 0)
        return 0;
    return n;
}

// How many lines after this one belong to its section; -1 when the line is no
// section header (an entry line).
long linesToPass(std::string_view line)
{
    if (startsWith(line, "Sports List:"))
        return sectionLength(line, "Sports List: %d");
    if (startsWith(line, "Routes:"))
        return sectionLength(line, "Routes: %d");
    if (startsWith(line, "Keywords"))
        return sectionLength(line, "Keywords: %d");
    if (startsWith(line, "Preferences:"))
        return 0;
    return -1;
}

// The N of a line that begins "-N", or -1.
int relativeDays(std::string_view line)
{
    if (line.size() < 2 || line[0] != '-' || line[1] < '0' || line[1] > '9')
        return -1;
    const long n = std::strtol(std::string(line.substr(1, 12)).c_str(), nullptr, 10);
    return n > kMaxPlanLength ? kMaxPlanLength : static_cast<int>(n);
}

// The busy cursor, switched off for the Training Plan question and always
// off again at the end.
class BusyCursor {
public:
    explicit BusyCursor(UserPrompt& prompt) : m_prompt(prompt) {}
    ~BusyCursor() { set(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
    void set(bool on)
    {
        if (on != m_on)
            m_prompt.busy(on);
        m_on = on;
    }

private:
    UserPrompt& m_prompt;
    bool m_on = false;
};

struct Collected {
    std::vector<LogEntry> entries;
    bool rejected = false;
    bool overflow = false;  // an entry line came when there was no more room
    bool cancelled = false;
    bool outOfYears = false;  // a training program's day fell outside the file's years
};

// Walks the lines up to the first empty one, passing over the sections and
// parsing every entry line; at most room entries are taken.
Collected collectEntries(LineSplitter& lines, std::size_t room, LogStore& store, UserPrompt& prompt,
                         const TrainingPlanQuestion& planQuestion, BusyCursor& busy)
{
    Collected found;
    bool relative = false;
    std::string_view line;
    while (lines.next(line)) {
        if (line.empty())
            break;
        if (const long pass = linesToPass(line); pass >= 0) {
            std::string_view passed;
            for (long i = 0; i < pass && lines.next(passed); ++i) {
            }
            continue;
        }
        if (found.entries.size() >= room) {
            found.overflow = true;
            break;
        }
        // Until an entry has been taken, every line may show that the file
        // is a training program; from then on the mode stays as it is.
        if (!relative && found.entries.empty()) {
            if (const int planLength = relativeDays(line); planLength >= 0) {
                busy.set(false);
                std::optional<CalendarDate> lastDay = planQuestion ? planQuestion(planLength) : std::nullopt;
                if (!lastDay) {
                    found.cancelled = true;
                    return found;
                }
                busy.set(true);
                store.trainingReference = *lastDay;
                relative = true;
            }
        }
        // A plan placed near the ends of the years a log holds, or one of
        // very many days, would reach into another century.
        if (relative) {
            const int days = relativeDays(line);
            if (days >= 0 && !dateFitsFile(addDays(store.trainingReference, -days))) {
                found.outOfYears = true;
                return found;
            }
        }
        found.entries.emplace_back();
        if (!parseEntryLine(line, relative, found.entries.back(), found.rejected, store, prompt))
            found.entries.pop_back();
    }
    return found;
}

}  // namespace

static bool inDateOrder(const LogStore& store)
{
    for (int i = 1; i < store.entryCount; ++i)
        if (store.entry(i).dateKey < store.entry(i - 1).dateKey)
            return false;
    return true;
}

// In a log in date order this is a stable merge (each after every entry of
// its date, the file's order kept among equals), done in one pass from the
// end so no record moves twice; a log out of order takes them one at a time.
void placeEntriesInDateOrder(LogStore& store, std::vector<LogEntry>& added, std::vector<int>& newPositions)
{
    const int oldCount = store.entryCount;
    newPositions.resize(static_cast<std::size_t>(oldCount));
    for (int i = 0; i < oldCount; ++i)
        newPositions[static_cast<std::size_t>(i)] = i;
    if (!inDateOrder(store)) {
        for (const LogEntry& entry : added) {
            const int at = store.insertSorted(entry);
            for (int& position : newPositions)
                if (position >= at)
                    ++position;
        }
        return;
    }
    std::stable_sort(added.begin(), added.end(),
                     [](const LogEntry& a, const LogEntry& b) { return a.dateKey < b.dateKey; });
    int old = oldCount - 1;
    int fresh = static_cast<int>(added.size()) - 1;
    int target = oldCount + static_cast<int>(added.size()) - 1;
    while (fresh >= 0) {
        if (old >= 0 && store.entry(old).dateKey > added[static_cast<std::size_t>(fresh)].dateKey) {
            store.entry(target) = store.entry(old);
            newPositions[static_cast<std::size_t>(old)] = target;
            --old;
        } else {
            store.entry(target) = added[static_cast<std::size_t>(fresh)];
            --fresh;
        }
        --target;
    }
    store.entryCount = static_cast<std::uint16_t>(oldCount + static_cast<int>(added.size()));
}

int MergeResult::newPosition(int oldIndex) const
{
    if (oldIndex < 0 || static_cast<std::size_t>(oldIndex) >= newPositions.size())
        return oldIndex;
    return newPositions[static_cast<std::size_t>(oldIndex)];
}

MergeResult mergeLog(LogStore& store, const std::string& path, UserPrompt& prompt,
                     const TrainingPlanQuestion& planQuestion)
{
    MergeResult result;
    // A pipe or a device would block the read or never end.
    if (struct stat info{}; ::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode)) {
        result.status = MergeStatus::OpenFailed;
        inform(prompt, msg::withPath(msg::kProblemAccessing, path));
        return result;
    }
    {
        const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            result.status = MergeStatus::OpenFailed;
            inform(prompt, msg::withPath(kCouldntOpenMerged, path, errno));
            return result;
        }
        ::close(fd);
    }

    BusyCursor busy(prompt);
    busy.set(true);
    std::string buffer;
    int error = 0;
    if (!readWholeFile(path, buffer, error)) {
        busy.set(false);
        if (error == EISDIR || error == EACCES) {
            result.status = MergeStatus::OpenFailed;
            inform(prompt, error == EACCES ? msg::withPath(msg::kProblemAccessing, path)
                                           : msg::withPath(kCouldntOpenMerged, path, error));
        } else {
            result.status = MergeStatus::ReadFailed;
            inform(prompt, error == ENOMEM ? msg::kNoMemory : msg::kProblemReading);
        }
        return result;
    }
    LineSplitter lines(buffer);

    // Reading entry lines picks their sports by letter; the sport the form
    // is working with stays as it was.
    const std::uint16_t formSport = store.currentSport;
    const std::size_t room = LogStore::kMaxEntries - store.entryCount;
    Collected found = collectEntries(lines, room, store, prompt, planQuestion, busy);
    store.currentSport = formSport;
    if (found.cancelled) {
        result.status = MergeStatus::Cancelled;
        return result;
    }
    if (found.outOfYears) {
        busy.set(false);
        result.status = MergeStatus::OutOfYears;
        inform(prompt, kPlanOutsideYears);
        return result;
    }

    result.added = static_cast<int>(found.entries.size());
    result.rejectedLines = found.rejected;
    result.stoppedAtLimit = found.overflow;
    if (result.added > 0) {
        const int editing = store.editingIndex;
        const int lastStored = store.lastStoredIndex;
        placeEntriesInDateOrder(store, found.entries, result.newPositions);
        store.editingIndex = result.newPosition(editing);
        store.lastStoredIndex = result.newPosition(lastStored);
        store.shownCount = store.entryCount;
        store.modified = true;
    }
    busy.set(false);

    if (found.overflow) {
        result.status = result.added > 0 ? MergeStatus::Merged : MergeStatus::LogFull;
        inform(prompt,
               result.added > 0 ? std::string(msg::kLogFull) + " " + kMergeStoppedAtLimit : std::string(msg::kLogFull));
    } else if (result.added > 0) {
        result.status = MergeStatus::Merged;
    } else {
        result.status = MergeStatus::NothingNew;
        inform(prompt, kNoNewEntries);
    }
    if (found.rejected)
        inform(prompt, msg::kRejectedData);
    return result;
}
