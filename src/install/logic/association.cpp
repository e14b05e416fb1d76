#include "association.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "shell/logic/shortcut.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {

constexpr const char* kDefaultGroup = "[Default Applications]";
// Sizes of the icons shipped in the distribution's "icons" folder.
constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};

std::string xdgFolder(const char* variable, const char* belowHome)
{
    // A relative value is invalid and ignored, as for every XDG folder.
    const char* value = std::getenv(variable);
    if (value != nullptr && value[0] == '/')
        return value;
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0')
        return std::string(home) + belowHome;
    return {};
}

bool readText(const std::string& path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream s;
    s << in.rdbuf();
    text = s.str();
    return true;
}

// Writes beside the target and renames over it: an existing file is replaced
// whole or left as it was.
bool replaceText(const std::string& path, const std::string& text)
{
    std::error_code error;
    fs::create_directories(fs::path(path).parent_path(), error);
    const std::string temporary = path + ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        out.flush();
        if (!out)
            return false;
    }
    fs::rename(temporary, path, error);
    if (error)
        fs::remove(temporary, error);
    return !error;
}

bool copyReplacing(const fs::path& from, const fs::path& to)
{
    std::error_code error;
    fs::create_directories(to.parent_path(), error);
    return fs::copy_file(from, to, fs::copy_options::overwrite_existing, error);
}

// Runs a cache tool when it is installed; its absence or failure changes nothing.
void runIfPresent(const char* tool, const std::string& folder)
{
    std::vector<char*> argv{const_cast<char*>(tool), const_cast<char*>(folder.c_str()), nullptr};
    pid_t pid = 0;
    if (::posix_spawnp(&pid, tool, nullptr, nullptr, argv.data(), environ) != 0)
        return;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
}

bool installIcons(const std::string& installFolder, const std::string& iconsRoot)
{
    const fs::path shipped = fs::path(installFolder) / "icons";
    bool all = true;
    for (int size : kIconSizes) {
        const fs::path from = shipped / ("orvanta-" + std::to_string(size) + ".png");
        if (!fs::exists(from))
            continue;
        const fs::path theme = fs::path(iconsRoot) / "hicolor" / (std::to_string(size) + "x" + std::to_string(size));
        all = copyReplacing(from, theme / "apps" / (std::string(kIconName) + ".png")) && all;
        all = copyReplacing(from, theme / "mimetypes" / (std::string(kLogTypeIconName) + ".png")) && all;
    }
    const fs::path svg = shipped / "orvanta.svg";
    if (fs::exists(svg)) {
        const fs::path theme = fs::path(iconsRoot) / "hicolor" / "scalable";
        all = copyReplacing(svg, theme / "apps" / (std::string(kIconName) + ".svg")) && all;
        all = copyReplacing(svg, theme / "mimetypes" / (std::string(kLogTypeIconName) + ".svg")) && all;
    }
    return all;
}

bool isGroupHeader(const std::string& line)
{
    return !line.empty() && line.front() == '[';
}

std::string withoutCarriageReturn(const std::string& line)
{
    return !line.empty() && line.back() == '\r' ? line.substr(0, line.size() - 1) : line;
}

}  // namespace

std::string dataHome()
{
    return xdgFolder("XDG_DATA_HOME", "/.local/share");
}

std::string configHome()
{
    return xdgFolder("XDG_CONFIG_HOME", "/.config");
}

std::string mimePackageText()
{
    // The weight lifts our glob above the generic "*.dat" guesses of other
    // packages, so a log is a log whatever its first bytes look like.
    return std::string(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
               "  <mime-type type=\"") +
           kLogMimeType + "\">\n    <comment>" + kLogTypeComment + "</comment>\n    <icon name=\"" + kLogTypeIconName +
           "\"/>\n    <glob pattern=\"*.dat\" weight=\"80\"/>\n  </mime-type>\n</mime-info>\n";
}

std::string associationEntryText(const std::string& installFolder)
{
    const std::string program = installFolder + "/ORVXP";
    // Hidden from the menu: the menu's own entry is the Start Menu question's.
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=The Orvanta\n"
           "Comment=Opens Orvanta logs\n"
           "Exec=" +
           escapeDesktopValue(quoteExecArgument(program) + " %f") +
           "\n"
           "Path=" +
           escapeDesktopValue(installFolder) +
           "\n"
           "Icon=" +
           kIconName +
           "\n"
           "MimeType=" +
           kLogMimeType +
           ";\n"
           "NoDisplay=true\n"
           "Terminal=false\n";
}

std::string withDefaultApplication(const std::string& mimeAppsText)
{
    const std::string ours = std::string(kLogMimeType) + "=" + kAssociationEntryName;
    const std::string key = std::string(kLogMimeType) + "=";
    // Split keeping each line's own ending, so that what we leave alone stays byte for byte.
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < mimeAppsText.size()) {
        std::size_t end = mimeAppsText.find('\n', start);
        end = end == std::string::npos ? mimeAppsText.size() : end + 1;
        lines.push_back(mimeAppsText.substr(start, end - start));
        start = end;
    }
    bool inDefaults = false;
    int groupLine = -1;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string bare = lines[i];
        if (bare.back() == '\n')
            bare.pop_back();
        bare = withoutCarriageReturn(bare);
        if (isGroupHeader(bare)) {
            inDefaults = bare == kDefaultGroup;
            if (inDefaults && groupLine < 0)
                groupLine = static_cast<int>(i);
            continue;
        }
        if (inDefaults && bare.starts_with(key)) {
            lines[i] = ours + "\n";
            std::string out;
            for (const auto& line : lines)
                out += line;
            return out;
        }
    }
    std::string out;
    if (groupLine < 0) {
        out = mimeAppsText;
        if (!out.empty() && out.back() != '\n')
            out += '\n';
        return out + kDefaultGroup + "\n" + ours + "\n";
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        out += lines[i];
        if (static_cast<int>(i) == groupLine) {
            if (out.back() != '\n')
                out += '\n';
            out += ours + "\n";
        }
    }
    return out;
}

bool writeAssociation(const std::string& installFolder)
{
    const std::string data = dataHome();
    const std::string config = configHome();
    if (data.empty() || config.empty())
        return false;
    bool all = replaceText(data + "/mime/packages/" + kMimePackageName, mimePackageText());
    all = replaceText(data + "/applications/" + kAssociationEntryName, associationEntryText(installFolder)) && all;
    all = installIcons(installFolder, data + "/icons") && all;

    // A list kept elsewhere and linked here (as dotfile managers do) is
    // changed where it lives; the link stays a link.
    std::string mimeApps = config + "/mimeapps.list";
    std::error_code error;
    const fs::path linked = fs::canonical(mimeApps, error);
    if (!error)
        mimeApps = linked.string();
    std::string existing;
    readText(mimeApps, existing);
    all = replaceText(mimeApps, withDefaultApplication(existing)) && all;

    runIfPresent("update-mime-database", data + "/mime");
    runIfPresent("update-desktop-database", data + "/applications");
    return all;
}
