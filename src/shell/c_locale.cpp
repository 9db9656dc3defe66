#include "shell/c_locale.h"

#include <climits>
#include <cmath>

#include "shell/number_text.h"

namespace {
locale_t cLocale() {
    // Thread-safe one-time creation; never freed, as the process keeps it.
    static locale_t locale = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(0));
    return locale;
}
}  // namespace

CLocaleScope::CLocaleScope() {
    if (cLocale() != static_cast<locale_t>(0)) {
        previous_ = uselocale(cLocale());
    }
}

CLocaleScope::~CLocaleScope() {
    if (previous_ != static_cast<locale_t>(0)) {
        uselocale(previous_);
    }
}

bool parseIntC(const char* token, int* out) {
    long value = 0;
    bool tooLarge = false;
    if (!scanLongC(token, &value, &tooLarge) || tooLarge || value < INT_MIN || value > INT_MAX) {
        return false;
    }
    *out = static_cast<int>(value);
    return true;
}

bool parseFloatC(const char* token, float* out) {
    float value = 0;
    if (!scanFloatC(token, &value) || !std::isfinite(value)) {
        return false;
    }
    *out = value;
    return true;
}
