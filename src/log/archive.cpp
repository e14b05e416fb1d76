#include "archive.h"

#include <sys/stat.h>

#include <filesystem>
#include <system_error>

#include "messages.h"

namespace {

bool sameInode(const std::string& a, const std::string& b)
{
    struct stat first {};
    struct stat second {};
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

// The path with every link of the part that exists followed and every "."
// and ".." taken out; the path as it is when that fails.
std::string resolved(const std::string& path)
{
    std::error_code error;
    std::filesystem::path full = std::filesystem::weakly_canonical(std::filesystem::path(path), error);
    return error ? path : full.string();
}

// Takes the selected entries out, keeping the others in their order: the
// result of removing them one by one from the last to the first, with each
// kept record moved once.
int removeSelected(LogStore& store, std::vector<int>& newPositions)
{
    int kept = 0;
    for (int i = 0; i < store.entryCount; ++i) {
        if (store.entry(i).selected == 1) {
            newPositions[static_cast<std::size_t>(i)] = -1;
            continue;
        }
        if (kept != i)
            store.entry(kept) = store.entry(i);
        newPositions[static_cast<std::size_t>(i)] = kept++;
    }
    const int removed = store.entryCount - kept;
    store.entryCount = static_cast<std::uint16_t>(kept);
    return removed;
}

}  // namespace

int ArchiveResult::newPosition(int oldIndex) const
{
    if (oldIndex < 0 || static_cast<std::size_t>(oldIndex) >= newPositions.size())
        return oldIndex;
    return newPositions[static_cast<std::size_t>(oldIndex)];
}

int archiveYear(const LogStore& store, const CalendarDate& today)
{
    return store.entryCount > 0 ? dateFromKey(store.entry(0).dateKey).year : today.year;
}

bool isOpenLogFile(const LogStore& store, const std::string& path)
{
    if (store.fileName.empty())
        return false;
    const std::string written = withDefaultExtension(path, SaveFormat::CompleteLog);
    if (written == store.fileName || sameInode(written, store.fileName))
        return true;
    return resolved(written) == resolved(store.fileName);
}

bool isOpenLogBackup(const LogStore& store, const std::string& path)
{
    const std::size_t n = store.fileName.size();
    if (n < 3)
        return false;
    const std::string written = withDefaultExtension(path, SaveFormat::CompleteLog);
    const std::string target = resolved(store.fileName);
    for (const std::string& log : {store.fileName, target}) {
        const std::string backup = log.substr(0, log.size() - 3) + "bak";
        if (backup == log)
            continue;
        if (written == backup || sameInode(written, backup) || resolved(written) == resolved(backup))
            return true;
    }
    return false;
}

ArchiveResult archiveLog(LogStore& store, const std::string& path, std::uint32_t fromKey, std::uint32_t toKey,
                         bool removeArchived, SaveContext& context)
{
    ArchiveResult result;
    if (isOpenLogFile(store, path)) {
        context.prompt.message(msg::kCaption, kArchiveIntoOpenLog, UserPrompt::Icon::None, UserPrompt::Buttons::Ok,
                               UserPrompt::Answer::Ok);
        result.status = ArchiveStatus::IntoOpenLog;
        return result;
    }
    if (isOpenLogBackup(store, path)) {
        context.prompt.message(msg::kCaption, kArchiveIntoBackup, UserPrompt::Icon::None, UserPrompt::Buttons::Ok,
                               UserPrompt::Answer::Ok);
        result.status = ArchiveStatus::IntoOpenLog;
        return result;
    }

    for (int i = 0; i < store.entryCount; ++i) {
        LogEntry& entry = store.entry(i);
        entry.selected = entry.dateKey >= fromKey && entry.dateKey <= toKey ? 1 : 0;
        result.archived += entry.selected;
    }
    const bool wasNamed = !store.fileName.empty();
    const bool written = saveLog(store, path, true, SaveFormat::CompleteLog, context);
    result.status = written ? ArchiveStatus::Archived : ArchiveStatus::WriteFailed;

    // A log without a name is named by the save; when it was given the
    // archive's own name, the archive is the log's file, and taking the
    // entries out would lose them at the next save.
    const bool intoOwnFile = !wasNamed && isOpenLogFile(store, path);
    result.newPositions.resize(store.entryCount);
    for (int i = 0; i < store.entryCount; ++i)
        result.newPositions[static_cast<std::size_t>(i)] = i;
    if (written && removeArchived && !intoOwnFile && result.archived > 0) {
        result.removed = removeSelected(store, result.newPositions);
        store.editingIndex = result.newPosition(store.editingIndex);
        store.lastStoredIndex = result.newPosition(store.lastStoredIndex);
        store.modified = true;
    }
    store.selectAll();
    store.shownCount = store.entryCount;
    return result;
}
