// Numbers in the plug-in's files are always written and read with a "." as
// decimal point, whatever locale X-Plane or another plug-in set for the process.
#pragma once

#include <locale.h>

class CLocaleScope {
public:
    CLocaleScope();
    ~CLocaleScope();
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t previous_ = nullptr;
};

// Parse a whole number or a decimal from the start of a token, as "%d" and "%f"
// would; false (and *out untouched) when the token does not start with one.
bool parseIntC(const char* token, int* out);
bool parseFloatC(const char* token, float* out);
