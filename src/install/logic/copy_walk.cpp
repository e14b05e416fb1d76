#include "copy_walk.h"

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// Copies one file: an existing log stays, anything else is replaced.
bool copyOneFile(const fs::path& from, const fs::path& to)
{
    std::error_code error;
    if (isLogPath(from.string()))
        return !fs::exists(fs::symlink_status(to, error)) && fs::copy_file(from, to, error);
    // A read-only copy of an older installation is made writable first, then
    // removed, so the new one always takes its place.
    ::chmod(to.c_str(), S_IRUSR | S_IWUSR);
    ::unlink(to.c_str());
    return fs::copy_file(from, to, error);
}

int copyFolder(const fs::path& source, const fs::path& destination, int level, CopyProgress& progress)
{
    int copied = 0;
    std::error_code error;
    fs::directory_iterator it(source, error);
    if (error)
        return 0;
    for (; it != fs::directory_iterator(); it.increment(error)) {
        const fs::path from = it->path();
        const fs::path to = destination / from.filename();
        if (it->is_directory(error)) {
            if (level >= kDeepestCopiedFolder)
                continue;
            fs::create_directory(to, error);
            if (fs::is_directory(to, error))
                copied += copyFolder(from, to, level + 1, progress);
            continue;
        }
        const auto start = std::chrono::steady_clock::now();
        progress.showFile(to.string());
        if (copyOneFile(from, to))
            ++copied;
        const auto spent =
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
        if (spent < kMinimumMsPerFile)
            progress.waitMs(kMinimumMsPerFile - static_cast<int>(spent));
    }
    return copied;
}

}  // namespace

bool isLogPath(const std::string& path)
{
    // Only these two spellings: "Log.Dat" is copied like any other file.
    return path.ends_with(".dat") || path.ends_with(".DAT");
}

int copyTree(const std::string& source, const std::string& destination, CopyProgress& progress)
{
    return copyFolder(source, destination, 0, progress);
}
