// The readable letters of an apt.dat sign.
#pragma once

// Drops the glyph codes in braces (each closing brace leaves a blank), turns
// "_" into blanks and squeezes blanks: "{@Y}A{@R}B_1" gives "A B 1". The
// result lives in a static buffer of 2000 characters until the next call.
const char* convertAirportSign(const char* text);
