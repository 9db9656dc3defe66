// The quick test of the code finder over many places of a block at once: a
// field may start with the code where a blank (not the line feed) stands
// before the place and its first, second and last characters match, case
// folded by setting bit 0x20. A place passing it is then checked in full.
#pragma once

#include <cstddef>

struct CodeLanes {
    unsigned char first = 0;  // the code's characters with bit 0x20 set
    unsigned char second = 0;
    unsigned char last = 0;
    size_t secondOffset = 0;  // where in the code they stand
    size_t lastOffset = 0;
};

// From *start (at least 1) on, the first place that passes, or false with
// *start at the first place not tested: places are tested while the bytes they
// need lie before `to`, a vector's width at a time.
bool nextLaneCandidate(const char* data, size_t* start, size_t to, const CodeLanes& lanes);
// The same 32 places at a time; only where hasWideLanes().
bool nextWideLaneCandidate(const char* data, size_t* start, size_t to, const CodeLanes& lanes);
// Whether the processor has AVX2 for the wide lanes.
bool hasWideLanes();

// The start of the line holding data[at]: after the last line feed before it,
// or 0. Lines are short: a vector's width back at a time, no call to memrchr.
size_t lineStartBefore(const char* data, size_t at);
