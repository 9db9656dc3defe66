// Building one airport record from its rows, as they follow each other in an
// apt.dat file: a header row, then rows up to the next header.
#pragma once

#include "world/airport.h"

// Clears the record and starts it from a header row (codes 1, 16, 17): type,
// elevation, identifier and the name, which is the text after the identifier.
// A header whose numbers do not parse leaves identifier and name empty.
void beginAirport(Airport* airport, const char* row);
// Row 1302: an "icao_code" or "faa_code" value (its first 10 characters)
// replaces the identifier; the last such row wins.
void applyAirportMetadata(Airport* airport, const char* row);
// Any row after the header, by its row code; rows of no interest are ignored.
void addAirportRow(Airport* airport, int code, const char* row);
// Case-insensitive; an empty code is no airport's.
bool airportHasCode(const Airport& airport, const char* icao);
