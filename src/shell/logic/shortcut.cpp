#include "shortcut.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

constexpr const char* kMenuFolder = "/Orvanta";
constexpr const char* kEntryExtension = ".desktop";
constexpr const char* kOpenDocument = "xdg-open ";

bool hasControlCharacter(std::string_view text)
{
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f)
            return true;
    }
    return false;
}

// A path the entry can hold on one line.
bool acceptablePath(std::string_view path)
{
    return !path.empty() && !hasControlCharacter(path);
}

// A name that stays a single file inside the menu folder.
bool acceptableFileName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos &&
           !hasControlCharacter(name);
}

}  // namespace

std::string escapeDesktopValue(std::string_view value)
{
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        char c = value[i];
        if (c == '\\')
            out += "\\\\";
        else if (c == ' ' && (i == 0 || i + 1 == value.size()))
            out += "\\s";
        else
            out += c;
    }
    return out;
}

namespace {

bool isExecutableFile(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && (info.st_mode & 0111) != 0;
}

bool ensureFolder(const std::string& folder)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return std::filesystem::is_directory(folder, error);
}

bool writeAll(int fd, const std::string& text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Writes beside the target and renames over it, so an existing entry is
// either replaced whole or left as it was.
bool replaceFile(const std::string& path, const std::string& text)
{
    std::string temporary = path + ".XXXXXX";
    int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return false;
    bool written = writeAll(fd, text) && ::fchmod(fd, 0644) == 0;
    written = ::close(fd) == 0 && written;
    if (written && ::rename(temporary.c_str(), path.c_str()) == 0)
        return true;
    ::unlink(temporary.c_str());
    return false;
}

void linkFailure(const ShortcutRequest& request, UserPrompt& prompt, int step)
{
    char text[64];
    std::snprintf(text, sizeof text, kCreateLinkFailure, step);
    prompt.message(request.failureTitle, text, UserPrompt::Icon::Warning, UserPrompt::Buttons::Ok,
                   UserPrompt::Answer::Ok);
}

}  // namespace

ShortcutRequest logShortcut(const std::string& logPath)
{
    std::size_t separator = logPath.find_last_of("/\\");
    std::string fileName = separator == std::string::npos ? logPath : logPath.substr(separator + 1);
    ShortcutRequest request;
    request.target = logPath;
    // The extension goes by count, not by looking for a point.
    request.name = fileName.size() > 4 ? fileName.substr(0, fileName.size() - 4) : std::string();
    if (separator != std::string::npos)
        request.workingDirectory = separator == 0 ? logPath.substr(0, 1) : logPath.substr(0, separator);
    request.failureTitle = kLogShortcutTitle;
    return request;
}

ShortcutRequest programShortcut(const std::string& installFolder, const std::string& executablePath)
{
    return ShortcutRequest{executablePath, kProgramShortcutName, installFolder, kInstallerTitle};
}

std::string applicationsFolder()
{
    // A relative XDG_DATA_HOME is invalid and is ignored, as for any XDG folder.
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && dataHome[0] == '/')
        return std::string(dataHome) + "/applications";
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0')
        return std::string(home) + "/.local/share/applications";
    return {};
}

std::string quoteExecArgument(std::string_view argument)
{
    std::string quoted = "\"";
    for (char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        quoted += c;
        if (c == '%')
            quoted += '%';
    }
    return quoted + "\"";
}

std::string desktopEntryText(const ShortcutRequest& request, bool executableTarget)
{
    std::string exec = quoteExecArgument(request.target);
    if (!executableTarget)
        exec = kOpenDocument + exec;
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=" +
           escapeDesktopValue(request.name) +
           "\n"
           "Exec=" +
           escapeDesktopValue(exec) +
           "\n"
           "Path=" +
           escapeDesktopValue(request.workingDirectory) +
           "\n"
           "Icon=orvanta\n"
           "Terminal=false\n";
}

void createShortcut(const ShortcutRequest& request, UserPrompt& prompt)
{
    // The number in a failure message names the step that failed: 3 the
    // target, 4 the working directory, 5 the menu folder.
    if (!acceptablePath(request.target))
        return linkFailure(request, prompt, 3);
    if (!acceptablePath(request.workingDirectory))
        return linkFailure(request, prompt, 4);
    std::string applications = applicationsFolder();
    if (applications.empty()) {
        prompt.message("", kSpecialFolderNotFound, UserPrompt::Icon::None, UserPrompt::Buttons::Ok,
                       UserPrompt::Answer::Ok);
        return linkFailure(request, prompt, 5);
    }
    std::string folder = applications + kMenuFolder;
    if (!ensureFolder(folder)) {
        prompt.message(kInstallerWarningTitle, kProblemCreatingFolder, UserPrompt::Icon::Warning,
                       UserPrompt::Buttons::Ok, UserPrompt::Answer::Ok);
        return;
    }
    // A name that can't be a file fails like a failed write: silently.
    if (acceptableFileName(request.name))
        replaceFile(folder + "/" + request.name + kEntryExtension,
                    desktopEntryText(request, isExecutableFile(request.target)));
}
