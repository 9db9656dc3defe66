// Finding one airport in one apt.dat file.
#pragma once

#include <memory>
#include <string>

#include "world/airport.h"

// The first airport of the file whose code (the header's identifier, or the
// last "icao_code"/"faa_code" metadata value) equals icao, ignoring case;
// null when there is none, the code is empty or the file cannot be read.
// The result is what reading the file line by line gives, but only the lines
// around the code's occurrences are parsed.
std::unique_ptr<Airport> searchAptFile(const std::string& path, const char* icao);
