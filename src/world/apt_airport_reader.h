// One airport of an open apt.dat file: from its header line to the next
// header line or the end of the file.
#pragma once

#include <cstdint>

#include "world/airport.h"

const int64_t kEndOfFile = INT64_MAX;

// Parses the airport whose header line starts at offset into the record.
// Returns the offset of the next header line, or kEndOfFile.
int64_t readAirport(int fd, int64_t offset, Airport* airport);
// The offset of the header line of the airport that holds the line starting
// at lineOffset, or -1 when no header comes before it.
int64_t findAirportStart(int fd, int64_t lineOffset);
