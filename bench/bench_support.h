#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "log/log_store.h"
#include "log/user_prompt.h"

// Answers every question with its safe default and keeps what was said, so a
// benchmark can refuse to measure a run that showed a message.
class SilentPrompt : public UserPrompt {
public:
    std::vector<std::string> messages;

    Answer message(const std::string& caption, const std::string& text, Icon, Buttons buttons,
                   Answer defaultAnswer) override
    {
        messages.push_back(caption + ": " + text);
        return buttons == Buttons::Ok ? Answer::Ok : defaultAnswer;
    }
    std::optional<std::string> saveFileName(const FileQuestion&) override { return std::nullopt; }
    std::optional<std::string> openFileName(const FileQuestion&) override { return std::nullopt; }
    void busy(bool) override {}
};

// A fresh folder under the system's temporary folder, removed with its
// contents when this goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::string file(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

// The whole file; empty when it cannot be read.
std::string fileBytes(const std::string& path);

// The line ends of a buffer, found with memchr: the floor that the reader
// and the writer are measured against.
std::size_t countLineEnds(const std::string& bytes);

// Reads path into store as File > Open does. Returns an empty text on
// success, else what went wrong (the result or the messages shown).
std::string openLog(const std::string& path, LogStore& store);

// Writes the large log into folder and opens it into store, checking that
// every entry came. Returns an empty text, else what went wrong.
std::string openLargeLog(const TempFolder& folder, LogStore& store);

// Reads back a freshly written large log and checks that it holds every
// entry, showed no message and saves back byte for byte. Returns an empty
// text when all holds, else the first difference.
std::string checkLargeLogRoundTrip(const std::string& path, std::size_t expectedEntries);

// Two benchmarks whose times are compared after the run.
struct BenchmarkRatio {
    std::string measured;
    std::string baseline;
};

// Runs the benchmarks selected on the command line with the console
// reporter, then prints "measured / baseline" for each pair that ran.
int runBenchmarksWithRatios(int argc, char** argv, const std::vector<BenchmarkRatio>& ratios);
