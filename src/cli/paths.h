#pragma once

#include <string>
#include <string_view>

// The path as a file dialog hands it over: absolute, with "." and ".."
// steps and doubled separators taken out by spelling alone (symbolic links
// are left as they are named). Relative paths are taken from currentDir.
std::string absolutePath(std::string_view path, std::string_view currentDir);

// The process's current folder; empty when it can't be had.
std::string currentDirectory();

// Whether anything (file, folder, ...) stands at path.
bool fileExists(const std::string& path);

// Whether both paths name one existing file (same device and inode).
bool sameFile(const std::string& a, const std::string& b);
