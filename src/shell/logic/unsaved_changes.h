#pragma once

#include "log/log_store.h"
#include "log/log_writer.h"

// Before the log is left (Exit, close, New, Open, a hand-over): saves it
// automatically or asks, by the log's closeAction preference. Returns whether
// the caller may go on: false when the user cancelled or the save failed.
// Writing the settings is the caller's next step.
bool offerToSave(LogStore& store, SaveContext& context);
