// Finding one airport in one apt.dat file.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "world/airport.h"

// Files from this size on (the global airport file) are searched in parts at
// once, one core each: the search mostly waits for the file's bytes to come
// from memory, and several cores fetch them faster.
const int64_t kSplitSearchSize = 16 * 1024 * 1024;

// The first airport of the file whose code (the header's identifier, or the
// last "icao_code"/"faa_code" metadata value) equals icao, ignoring case;
// null when there is none, the code is empty or the file cannot be read.
// The result is what reading the file line by line gives, but only the lines
// around the code's occurrences are parsed.
std::unique_ptr<Airport> searchAptFile(const std::string& path, const char* icao);
// The same, splitting files from splitFrom bytes on (tests split small files).
std::unique_ptr<Airport> searchAptFile(const std::string& path, const char* icao,
                                       int64_t splitFrom);
