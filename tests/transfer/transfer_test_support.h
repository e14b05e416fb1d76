#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "log/log_reader.h"
#include "log/log_store.h"
#include "log/log_writer.h"
#include "scripted_prompt.h"
#include "temp_dir.h"
#include "values/calendar.h"

namespace transfer {

// The head of the open log in most tests: two sports, a route whose text
// would read as an entry line, and a keyword.
inline const std::string kRunHead =
    "Sports List: 2\r\n"
    "Running\tRMmpm\r\n"
    "Cycling\tCKkph\r\n"
    "Preferences: 1  1  1  1  1  1  0\r\n"
    "Routes: 1\r\n"
    "03/01/02\tTR\t5M\t40:00\t8:00\tHill loop\tsteady\t\r\n"
    "Keywords: 1\r\n"
    "1\tWt\tWeight\r\n";

inline std::string crlf(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// "MM/dd/yy\tKS\t...": an entry line whose route names it.
inline std::string entryLine(const char* date, const char* route, const char* kindSport = "TR")
{
    return std::string(date) + "\t" + kindSport + "\t5M\t40:00\t8:00\t" + route + "\t";
}

// A training program's lines "-first" down to "-0", each named "day N".
inline std::vector<std::string> programLines(int first)
{
    std::vector<std::string> lines;
    for (int n = first; n >= 0; --n)
        lines.push_back("-" + std::to_string(n) + "\tTR\t3M\t27:00\t9:00\tday " + std::to_string(first - n + 1) + "\t");
    return lines;
}

// The routes of the log's entries in order, which tests use to name entries.
inline std::vector<std::string> routes(const LogStore& store)
{
    std::vector<std::string> out;
    for (int i = 0; i < store.entryCount; ++i)
        out.emplace_back(store.entry(i).routeText.view());
    return out;
}

inline std::vector<std::string> dateTexts(const LogStore& store)
{
    std::vector<std::string> out;
    for (int i = 0; i < store.entryCount; ++i)
        out.emplace_back(store.entry(i).dateText.view());
    return out;
}

// A folder, a store and a prompt; the log is read as File > Open reads it.
class TransferTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        EXPECT_TRUE(prompt.unexpected.empty()) << "unexpected question: " << prompt.unexpected.front();
        EXPECT_EQ(prompt.busyDepth, 0) << "the busy cursor is left on";
    }

    std::string write(const std::string& name, const std::string& bytes)
    {
        const std::string path = dir.file(name);
        writeFile(path, bytes);
        return path;
    }

    // Writes the log and reads it into the store; no message is expected.
    std::string openLog(const std::string& name, const std::string& bytes)
    {
        const std::string path = write(name, bytes);
        store->clearForRead();
        store->setFileName(path);
        EXPECT_EQ(readLog(*store, prompt), ReadResult::Ok);
        EXPECT_TRUE(prompt.shown.empty());
        return path;
    }

    TempDir dir;
    std::unique_ptr<LogStore> store = std::make_unique<LogStore>();
    ScriptedPrompt prompt;
};

}  // namespace transfer
