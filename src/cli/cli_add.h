#pragma once

#include <optional>
#include <string>

#include "args.h"
#include "commands.h"

// orvanta add LOG [--date D] [--sport NAME] [--category Training|Intervals|Race]
//                 [--distance TEXT] [--units none|miles|km|yards|meters]
//                 [--time TEXT] [--pace TEXT] [--route TEXT] [--comment TEXT]
struct AddRequest {
    std::string logPath;  // absolute
    std::optional<IsoDate> date;
    std::optional<std::string> sport;
    int category = 0;          // index into kCategoryNames
    std::optional<int> units;  // a DistanceUnit, 0 to 4
    std::optional<std::string> distance;
    std::optional<std::string> time;
    std::optional<std::string> pace;
    std::optional<std::string> route;
    std::optional<std::string> comment;
};

// The request from the command line; false with the problem (a usage error).
bool addRequest(const ParsedArgs& parsed, const std::string& currentDir, AddRequest& request, std::string& problem);

// Fills the Data Entry form from the request, as typing into it and leaving
// each field would, stores the entry as Save does, saves LOG and prints the
// stored entry's line.
int runAdd(const AddRequest& request, const CliStreams& streams);
