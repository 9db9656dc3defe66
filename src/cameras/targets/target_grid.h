// The stored targets, in buckets of one degree of latitude and longitude so
// that the targets near a point are found without walking them all.
#pragma once

#include "cameras/targets/target.h"

const int kTargetGridRows = 181;
const int kTargetGridColumns = 361;

// Integer parts truncated toward zero: row 90 holds latitudes between -1 and 1
// exclusive, column 180 likewise longitudes.
int getTargetRow(double latitude);
int getTargetColumn(double longitude);
// The first target of a bucket's chain; null when empty or out of the grid.
Target* getTargetBucket(int row, int column);

// Adds a stored target, or updates the one of the same name (case ignored) in
// the bucket of the new position. A null date means now. Refused (0, with a
// log line) for a blank name or an invalid position; pointers to targets
// already stored stay valid.
int insertTarget(const char* name, const char* date, double latitude, double longitude,
                 double elevation, int type);
// Frees every stored target.
void freeTargets();
int getNumberOfStoredTargets();
