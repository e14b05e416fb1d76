#pragma once

#include <string>

#include "log/log_reader.h"
#include "log/log_store.h"
#include "log/messages.h"

inline constexpr const char* kNotChangedRejected = " was not changed: some of its lines could not be read.";

// Reads path into the store as File > Open does. False when the read was
// refused; its message has been printed through prompt.
inline bool openLogAsFileOpen(LogStore& store, const std::string& path, UserPrompt& prompt)
{
    store.clearForRead();
    store.setFileName(path);
    return readLog(store, prompt, ReadOptions{}) == ReadResult::Ok;
}

// The same for a command that will write the log back: a log whose reading
// rejected lines is refused too (after the reader's warning), since saving
// it would drop those lines and nobody was asked.
inline bool openLogToChange(LogStore& store, const std::string& path, UserPrompt& prompt)
{
    store.clearForRead();
    store.setFileName(path);
    bool rejectedLines = false;
    if (readLog(store, prompt, ReadOptions{}, rejectedLines) != ReadResult::Ok)
        return false;
    if (rejectedLines) {
        prompt.message(msg::kCaption, path + kNotChangedRejected, UserPrompt::Icon::Warning, UserPrompt::Buttons::Ok,
                       UserPrompt::Answer::Ok);
        return false;
    }
    return true;
}
