// Building one airport record from its rows, as they follow each other in an
// apt.dat file: a header row, then rows up to the next header.
#pragma once

#include <cstddef>

#include "world/airport.h"

// Clears the record and starts it from a header row (codes 1, 16, 17): type,
// elevation, identifier and the name, which is the text after the identifier.
// A header whose numbers do not parse leaves identifier and name empty.
void beginAirport(Airport* airport, const char* row);
// A code longer than this may stand cut to its first characters: a metadata
// value keeps this many, a header's identifier the width of Airport::icao.
const size_t kMetadataCodeLength = 10;

// Row 1302: an "icao_code" or "faa_code" value (its first 10 characters)
// replaces the identifier; the last such row wins.
void applyAirportMetadata(Airport* airport, const char* row);
// Any row after the header, by its row code; rows of no interest are ignored.
void addAirportRow(Airport* airport, int code, const char* row);
// Case-insensitive; an empty code is no airport's.
bool airportHasCode(const Airport& airport, const char* icao);
// Whether a row could give its airport the code icao: a header whose
// identifier is that code, or an "icao_code"/"faa_code" row whose value is,
// each cut as the record cuts it. The row ends at `end` or at a zero byte. Only
// an airport with such a row can have the code, so the search parses no other.
bool rowMayGiveCode(int rowCode, const char* begin, const char* end, const char* icao);
