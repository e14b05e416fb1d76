#pragma once

#include <string>
#include <string_view>

#include "log_store.h"

// The web page of the selected entries, titled title. Every text is escaped.
std::string composeHtml(const LogStore& store, std::string_view title, bool selectedOnly = true);

// &, <, > and " as entities.
std::string escapeHtml(std::string_view text);
