#pragma once

#include <filesystem>
#include <string>
#include <vector>

// What one run of the orvanta binary gave.
struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// A fresh folder per test, removed when the test ends. Its path holds no
// symbolic link, so it reads the same as the tool's current folder.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Where the tool runs and the test's files lie.
    const std::filesystem::path& work() const { return m_work; }

private:
    std::filesystem::path m_root;
    std::filesystem::path m_work;
};

// Runs the built binary with args in workDir, the work() folder of a
// TempFolder (its streams are caught beside it), and collects both streams.
// The environment is the test's own plus the "NAME=value" entries of extraEnv.
// With stdoutPath standard output goes there instead (such as /dev/full) and
// out stays empty.
CliResult runOrvanta(const std::vector<std::string>& args, const std::filesystem::path& workDir,
                     const std::vector<std::string>& extraEnv = {}, const std::filesystem::path& stdoutPath = {});

// The whole file as bytes; empty when it can't be read.
std::string readBytes(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, const std::string& bytes);

// Copies a log of tests/data into folder under the given name; returns the new path.
std::filesystem::path copyFixture(const std::string& fixture, const std::filesystem::path& folder,
                                  const std::string& name);

// Each line followed by CR LF, as the log writer ends its lines.
std::string crlfLines(const std::vector<std::string>& lines);
// Each line followed by LF, as the tool prints them.
std::string lfLines(const std::vector<std::string>& lines);
