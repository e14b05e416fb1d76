#pragma once

#include <string>
#include <string_view>

// What "orvanta --help" prints.
std::string generalUsage();
// What "orvanta COMMAND --help" prints; empty for a word that is no command.
std::string commandUsage(std::string_view command);
