// Numbers as the plug-in's files hold them, read and written exactly as the C
// library reads and writes them in the C locale, without its cost: the locale
// switch and printf's machinery took most of the time of reading and saving a
// full camera set.
#pragma once

#include <string>

// The number at the start of a token exactly as strtof, strtod and strtol read
// it in the C locale (white space, signs, hex, inf and nan included), without
// switching the locale for the plain decimals files hold. False (and *out
// untouched) when the token does not start with a number.
bool scanFloatC(const char* token, float* out);
bool scanDoubleC(const char* token, double* out);
// *tooLarge is set when the number does not fit a long (strtol's ERANGE); *out
// then holds strtol's clamped value.
bool scanLongC(const char* token, long* out, bool* tooLarge);

// Appends what printf's "%.*f" with that many decimals (0 to 9) writes for the
// value in the C locale, character for character: "inf", "nan" and a "-" on
// negative values (zero and those that round to it included) as well.
void appendFixedDecimal(std::string& out, double value, int decimals);
