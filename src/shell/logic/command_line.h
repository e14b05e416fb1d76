#pragma once

#include <optional>
#include <string>

// The log named on the program's command line: one argument ending in ".dat"
// (any case), quoted or not. Anything else names nothing.
std::optional<std::string> logFromCommandLine(const std::string& commandLine);

// The arguments joined back into the one command-line text the rule reads;
// an argument with a blank is quoted as a shell would have passed it.
std::string joinArguments(int argc, const char* const* argv);
