#pragma once

#include <string>

// What the copy shows while it works: the file being copied, and a pause so
// that each name stays readable.
class CopyProgress {
public:
    virtual ~CopyProgress() = default;
    virtual void showFile(const std::string& destinationPath) = 0;
    // Keeps the window alive for this many milliseconds.
    virtual void waitMs(int ms) = 0;
};

// Every file stays on screen at least this long.
inline constexpr int kMinimumMsPerFile = 10;
// The source folder's own files are level 0; its sub-folders are levels 1 to 4.
inline constexpr int kDeepestCopiedFolder = 4;

// Copies the files and sub-folders of source into destination, four folder
// levels deep. Logs (".dat" or ".DAT") already installed are kept; every other
// file is replaced, read-only or not. A folder or file that cannot be made is
// skipped without a word. Returns the number of files copied.
int copyTree(const std::string& source, const std::string& destination, CopyProgress& progress);

// Whether a path names an installed log that a copy never overwrites.
bool isLogPath(const std::string& path);
