#pragma once

#include <string>

#include "log/log_reader.h"
#include "log/log_store.h"

// Reads path into the store as File > Open does. False when the read was
// refused; its message has been printed through prompt.
inline bool openLogAsFileOpen(LogStore& store, const std::string& path, UserPrompt& prompt)
{
    store.clearForRead();
    store.setFileName(path);
    return readLog(store, prompt, ReadOptions{}) == ReadResult::Ok;
}
