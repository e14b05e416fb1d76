#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "log/log_reader.h"

// The log named at start-up, read on a thread of its own while the window is
// being made, so that the reading and the making share the machine's cores.
// It reads into a store of its own and keeps the messages the reading gives;
// the window takes both over when it starts (finish), so the store it shows
// is never touched from two threads.
class EarlyLogRead {
public:
    EarlyLogRead(const std::string& fileName, ReadOptions options);
    ~EarlyLogRead();
    EarlyLogRead(const EarlyLogRead&) = delete;
    EarlyLogRead& operator=(const EarlyLogRead&) = delete;

    // Waits for the reading (under the busy cursor, when it is still going
    // on), moves what it read into store and then gives its messages to
    // prompt in the order the reading gave them, as readLog would have.
    ReadResult finish(LogStore& store, UserPrompt& prompt);

private:
    class KeptMessages;

    std::unique_ptr<LogStore> m_store;
    std::unique_ptr<KeptMessages> m_messages;
    ReadOptions m_options;
    ReadResult m_result = ReadResult::Ok;
    std::atomic<bool> m_done{false};
    std::thread m_thread;
};
