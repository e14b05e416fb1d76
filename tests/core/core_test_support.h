#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "log/log_store.h"
#include "scripted_prompt.h"

#ifndef ORV_TEST_DATA_DIR
#error "ORV_TEST_DATA_DIR must name the folder of the sample logs"
#endif

namespace orvtest {

// A sample or broken log from tests/data.
inline std::string dataFile(std::string_view name)
{
    return std::string(ORV_TEST_DATA_DIR) + "/" + std::string(name);
}

// The whole file, every byte; an empty string for a file that is missing.
inline std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeBytes(const std::string& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline bool fileExists(const std::string& path)
{
    return std::filesystem::exists(std::filesystem::path(path));
}

// Each test gets a folder of its own, removed when it ends.
class TempDirTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = ::testing::TempDir() + "orvcore-XXXXXX";
        std::vector<char> buf(pattern.begin(), pattern.end());
        buf.push_back('\0');
        ASSERT_NE(mkdtemp(buf.data()), nullptr);
        m_dir = buf.data();
    }
    void TearDown() override
    {
        std::error_code ec;
        std::filesystem::permissions(m_dir, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(m_dir, ec);
    }

    std::string path(std::string_view name) const { return m_dir + "/" + std::string(name); }
    const std::string& dir() const { return m_dir; }

    // The names in the folder, sorted, so a test can see that nothing else was left behind.
    std::vector<std::string> listing() const
    {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(m_dir))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::string m_dir;
};

inline std::unique_ptr<LogStore> makeStore()
{
    return std::make_unique<LogStore>();
}

inline void addSport(LogStore& store, std::string_view name, char letter, DistanceUnit distance, PaceUnit pace)
{
    std::uint16_t i = ++store.sportCount;
    store.sports[i].name = name;
    store.sports[i].letter = letter;
    store.sports[i].distanceUnits = distance;
    store.sports[i].paceUnits = pace;
}

struct EntryTexts {
    std::string date;
    std::string kindSport;
    std::string distance;
    std::string time;
    std::string pace;
    std::string route;
    std::string comment;
};

// An entry as the form would leave it: the texts set, the date fields derived,
// the sport resolved and selected.
inline LogEntry makeEntry(LogStore& store, const EntryTexts& t, bool selected = true)
{
    LogEntry e;
    e.dateText = t.date;
    e.kindSport = t.kindSport;
    e.distanceText = t.distance;
    e.timeText = t.time;
    e.paceText = t.pace;
    e.routeText = t.route;
    e.commentText = t.comment;
    deriveDateFields(e, store);
    if (t.kindSport.size() >= 2)
        e.sportIndex = store.resolveSportByLetter(t.kindSport[1]);
    e.selected = selected ? 1 : 0;
    return e;
}

// Appends at the end of the table without sorting, as a file read does.
inline void appendEntry(LogStore& store, const LogEntry& e)
{
    store.entries[store.entryCount] = e;
    ++store.entryCount;
    store.shownCount = store.entryCount;
}

// Splits on CR LF, for reading expectations written as lines.
inline std::string crlf(std::initializer_list<std::string_view> lines)
{
    std::string out;
    for (auto l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

}  // namespace orvtest
