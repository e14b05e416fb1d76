#include "log_writer.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "html_export.h"
#include "log_reader.h"
#include "messages.h"

namespace {

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        ssize_t put = ::write(fd, bytes.data(), bytes.size());
        if (put < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

std::string folderOf(const std::string& path)
{
    std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The pattern of the temporary names beside target: ".NAME.XXXXXX".
std::string tempPattern(const std::string& target)
{
    const std::size_t slash = target.find_last_of('/');
    return folderOf(target) + "/." + target.substr(slash == std::string::npos ? 0 : slash + 1) + ".XXXXXX";
}

// A save killed half-way leaves its temporary file; the next save of the
// same file takes away every name of that exact pattern.
void removeStaleTemps(const std::string& target)
{
    const std::size_t slash = target.find_last_of('/');
    const std::string prefix = "." + target.substr(slash == std::string::npos ? 0 : slash + 1) + ".";
    const std::string folder = folderOf(target);
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        return;
    while (const dirent* item = ::readdir(dir)) {
        const std::string_view name(item->d_name);
        if (name.size() != prefix.size() + 6 || name.substr(0, prefix.size()) != prefix)
            continue;
        const std::string_view tail = name.substr(prefix.size());
        if (std::all_of(tail.begin(), tail.end(), [](char c) { return std::isalnum(static_cast<unsigned char>(c)); }))
            ::unlinkat(::dirfd(dir), item->d_name, 0);
    }
    ::closedir(dir);
}

// Keeps the file about to be replaced as its ".bak": the old file itself
// becomes the backup through a second name, so nothing is copied; where the
// file system has no such names it is copied. The new backup gets a
// temporary name first and is then renamed over the old one, so at every
// moment one of them is there.
void keepAsBackup(const std::string& target)
{
    const std::string backup = target.substr(0, target.size() - 3) + "bak";
    if (backup == target)
        return;
    std::string temp = tempPattern(target);
    int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return;
    ::close(fd);
    // The name is ours; the link takes its place (link does not replace).
    ::unlink(temp.c_str());
    if (::link(target.c_str(), temp.c_str()) != 0) {
        std::string bytes;
        int error = 0;
        struct stat info {};
        if (::stat(target.c_str(), &info) != 0 || !readWholeFile(target, bytes, error))
            return;
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, info.st_mode & 07777);
        if (fd < 0)
            return;
        const bool written = writeAll(fd, bytes);
        if (::close(fd) != 0 || !written) {
            ::unlink(temp.c_str());
            return;
        }
    }
    if (::rename(temp.c_str(), backup.c_str()) != 0)
        ::unlink(temp.c_str());
}

// Writes bytes to a new file beside target and renames it over target, so a
// failure at any point leaves the old file as it was. Returns 0 or an errno.
int replaceFile(const std::string& target, std::string_view bytes, mode_t mode, bool backup)
{
    std::string temp = tempPattern(target);
    int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return errno;
    int error = 0;
    if (!writeAll(fd, bytes) || ::fchmod(fd, mode) != 0 || ::fsync(fd) != 0)
        error = errno ? errno : EIO;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && backup)
        keepAsBackup(target);
    if (error == 0 && ::rename(temp.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0)
        ::unlink(temp.c_str());
    else
        removeStaleTemps(target);
    return error;
}

mode_t defaultMode()
{
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool nameTheLog(LogStore& store, SaveFormat format, UserPrompt& prompt)
{
    UserPrompt::FileQuestion question;
    question.title = "Save As";
    question.proposedName = format == SaveFormat::Html ? "MyLog.htm" : "MyNewLog.dat";
    question.filter = format == SaveFormat::Html ? UserPrompt::FileFilter::WebPages : UserPrompt::FileFilter::Logs;
    std::optional<std::string> chosen = prompt.saveFileName(question);
    if (!chosen || chosen->empty()) {
        prompt.message(msg::kCaption, msg::kMustName, UserPrompt::Icon::None);
        return false;
    }
    store.setFileName(*chosen);
    return true;
}

bool setTrainingReference(LogStore& store, bool selectedOnly)
{
    for (int i = store.entryCount - 1; i >= 0; --i) {
        if (!selectedOnly || store.entry(i).selected == 1) {
            store.trainingReference = parseDate(store.entry(i).dateText.view(), store.preferences.dateFormat());
            return true;
        }
    }
    return false;
}

void afterFullSave(LogStore& store, const std::string& path, bool created, SaveContext& context)
{
    store.modified = false;
    if (context.settings.exists()) {
        std::optional<std::string> current = context.settings.readString("Default Log");
        if (!current || current->empty())
            context.settings.writeString("Default Log", path);
    }
    if (created && context.addToStartMenu) {
        UserPrompt::Answer answer = context.prompt.message(msg::kCaption, msg::kAddToStartMenu,
                                                           UserPrompt::Icon::Question, UserPrompt::Buttons::YesNo,
                                                           UserPrompt::Answer::Yes);
        if (answer == UserPrompt::Answer::Yes)
            context.addToStartMenu(path);
    }
}

}  // namespace

std::string withDefaultExtension(const std::string& path, SaveFormat format)
{
    std::size_t slash = path.find_last_of('/');
    std::size_t name = slash == std::string::npos ? 0 : slash + 1;
    if (path.find('.', name) != std::string::npos)
        return path;
    return path + (format == SaveFormat::Html ? ".htm" : ".dat");
}

std::string formatSportLine(const SportDef& sport)
{
    std::string line(sport.name.view());
    line += '\t';
    // Never a NUL byte: it would end the line for every reader.
    line += sport.letter == '\0' ? ' ' : sport.letter;
    line += unitSuffix(sport.distanceUnits);
    line += paceUnitName(sport.paceUnits);
    return line;
}

std::string formatEntryLine(const LogEntry& entry, bool relative, const LogStore& store)
{
    std::string line;
    line.reserve(64 + entry.routeText.size() + entry.commentText.size());
    if (relative) {
        CalendarDate date = parseDate(entry.dateText.view(), store.preferences.dateFormat());
        line += "-" + std::to_string(daysBetween(store.trainingReference, date));
    } else {
        line += entry.dateText.view();
    }
    for (const std::string_view field : {entry.kindSport.view(), entry.distanceText.view(), entry.timeText.view(),
                                         entry.paceText.view(), entry.routeText.view(), entry.commentText.view()}) {
        line += '\t';
        line += field;
    }
    line += "\r\n";
    return line;
}

std::string composeLog(const LogStore& store, bool selectedOnly, SaveFormat format, std::string_view htmlTitle)
{
    if (format == SaveFormat::Html)
        return composeHtml(store, htmlTitle, selectedOnly);
    std::string out;
    out.reserve(1024 + static_cast<std::size_t>(store.entryCount) * 96);
    if (format == SaveFormat::CompleteLog) {
        char line[160];
        std::snprintf(line, sizeof line, "Sports List: %d\r\n", static_cast<int>(store.sportCount));
        out += line;
        for (int i = 1; i <= store.sportCount; ++i)
            out += formatSportLine(store.sports[i]) + "\r\n";
        const auto& v = store.preferences.values;
        std::snprintf(line, sizeof line, "Preferences: %d  %d  %d  %d  %d  %d  %d\r\n", v[0], v[1], v[2], v[3], v[4],
                      v[5], v[6]);
        out += line;
        out += "Routes: " + std::to_string(store.routeCount) + "\r\n";
        for (int i = 0; i < store.routeCount; ++i)
            out.append(store.routes[i].text.view()).append("\r\n");
        out += "Keywords: " + std::to_string(store.keywordCount) + "\r\n";
        for (int i = 0; i < store.keywordCount; ++i)
            out.append(store.keywords[i].text.view()).append("\r\n");
    }
    const bool relative = format == SaveFormat::TrainingProgram;
    for (int i = 0; i < store.entryCount; ++i)
        if (!selectedOnly || store.entry(i).selected == 1)
            out += formatEntryLine(store.entry(i), relative, store);
    return out;
}

bool appendLine(const std::string& path, std::string_view line)
{
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    bool ok = writeAll(fd, line);
    return ::close(fd) == 0 && ok;
}

bool saveLog(LogStore& store, const std::string& requestedPath, bool selectedOnly, SaveFormat format,
             SaveContext& context)
{
    UserPrompt& prompt = context.prompt;
    if (store.fileName.empty() && !nameTheLog(store, format, prompt))
        return false;
    if (format == SaveFormat::TrainingProgram && !setTrainingReference(store, selectedOnly)) {
        prompt.message(msg::kCaption, msg::kNoSelected, UserPrompt::Icon::None);
        return false;
    }
    const std::string path = withDefaultExtension(requestedPath.empty() ? store.fileName : requestedPath, format);

    // Saving through a link replaces the file it points at, not the link.
    std::string target = path;
    struct stat info {};
    const bool exists = ::stat(path.c_str(), &info) == 0;
    if (exists) {
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved))
            target = resolved;
    }
    int error = 0;
    if (exists && (S_ISDIR(info.st_mode) || ::access(target.c_str(), W_OK) != 0))
        error = S_ISDIR(info.st_mode) ? EISDIR : errno;

    std::string bytes;
    if (error == 0) {
        BusyScope busy(prompt);
        if (format == SaveFormat::AppendEntries && exists && !readWholeFile(target, bytes, error))
            bytes.clear();
        if (error == 0) {
            const bool backup = exists && store.preferences.backupCopy() == 1 && format != SaveFormat::Html;
            bytes += composeLog(store, selectedOnly, format, displayNameOf(path));
            error = replaceFile(target, bytes, exists ? (info.st_mode & 07777) : defaultMode(), backup);
        }
    }
    if (error != 0) {
        const bool denied = error == EACCES || error == EPERM || error == EROFS;
        prompt.message(
            msg::kCaption,
            denied ? msg::withPath(msg::kWriteProtected, path) : msg::withPath(msg::kProblemWriting, path, error),
            UserPrompt::Icon::Information);
        return false;
    }
    if (!selectedOnly)
        afterFullSave(store, path, !exists, context);
    return true;
}
