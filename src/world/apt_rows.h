// The parsers of the airport rows that cameras are made from. Each takes the
// airport under construction and one zero-terminated row, and ignores a row
// whose kept numbers do not parse or that would exceed its array. Skipped
// fields are only counted, never checked.
#pragma once

#include "world/airport.h"

// Rows 100 (land runway) and 101 (water runway: no displaced thresholds).
void addRunway(Airport* airport, const char* row);
// Row 102.
void addHelipad(Airport* airport, const char* row);
// Row 15: the name is the text from the fifth field on.
void addStartingLocation(Airport* airport, const char* row);
// Row 1300: the name is the text from the seventh field on, after the
// location type and the aircraft types.
void addNewStyleStartingLocation(Airport* airport, const char* row);
// Row 14: unnamed viewpoints are called "Viewpoint".
void addViewPoint(Airport* airport, const char* row);
// Row 20: the text from the seventh field on, glyph codes removed.
void addSign(Airport* airport, const char* row);
