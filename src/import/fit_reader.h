#pragma once

#include <cstddef>
#include <cstdint>

#include "workout_summary.h"

// Reading the binary files that watches write (FIT): the header and its
// checksum, definition and data messages (compressed timestamps included,
// developer fields passed over), and of all that only the sessions: one
// summary per session, so a multisport file gives several. A file that is
// cut short or fails its checksum gives an error and no workout.
// Plain C++: any bytes at all end in summaries or an error.

// The FIT checksum (CRC-16, polynomial 0xA001) of data, continued from crc.
std::uint16_t fitCrc(std::uint16_t crc, const unsigned char* data, std::size_t size);

// Whether the bytes start the way a FIT file does.
bool looksLikeFit(const unsigned char* data, std::size_t size);

FileSummaries readFit(const unsigned char* data, std::size_t size);

// The name of a FIT sport number as the importer shows it ("running",
// "cross country skiing"); "sport N" for a number it does not know.
std::string fitSportName(unsigned sport);
