#pragma once

#include <string>
#include <vector>

#include "commands.h"

// Runs one command line (without the program name) and gives the exit
// status. Relative paths are taken from currentDir.
int runCli(const std::vector<std::string>& args, const CliStreams& streams, const std::string& currentDir);
