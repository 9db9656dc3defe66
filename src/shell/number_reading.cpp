#include "shell/number_text.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "shell/c_locale.h"

namespace {
bool isDigit(char c) { return c >= '0' && c <= '9'; }

const double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                    1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                    1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
const size_t kMaxExactPowerOfTen = 22;
const uint64_t kMaxExactWhole = uint64_t{1} << 53;
const float kExactFloatPowersOfTen[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f,
                                        1e6f, 1e7f, 1e8f, 1e9f, 1e10f};
const size_t kMaxExactFloatPowerOfTen = 10;
const uint64_t kMaxExactFloatWhole = uint64_t{1} << 24;
const size_t kMaxShortDigits = 19;  // below 2^64

// The decimals the plug-in's files hold: a sign, digits, a point and decimals
// ("-12.500000"), at most 19 digits in all, no exponent. Their value is
// whole / 10^decimals.
struct ShortDecimal {
    uint64_t whole = 0;
    size_t decimals = 0;
    bool negative = false;
};

__attribute__((always_inline)) inline bool scanShortDecimal(const char* token,
                                                            ShortDecimal* out) {
    const char* c = token;
    out->negative = *c == '-';
    c += out->negative ? 1 : 0;
    // Hex is strtod's ("0x1p3").
    if (c[0] == '0' && (c[1] == 'x' || c[1] == 'X')) {
        return false;
    }
    // Wraps past 19 digits, which are then refused.
    uint64_t whole = 0;
    const char* integerStart = c;
    for (; isDigit(*c); ++c) {
        whole = whole * 10 + static_cast<uint64_t>(*c - '0');
    }
    size_t digits = static_cast<size_t>(c - integerStart);
    size_t decimals = 0;
    if (*c == '.') {
        ++c;
        // The six decimals of "%f" in one go. Each test passes only on a
        // digit, so none reads past the terminator.
        if (isDigit(c[0]) && isDigit(c[1]) && isDigit(c[2]) && isDigit(c[3]) && isDigit(c[4]) &&
            isDigit(c[5]) && !isDigit(c[6])) {
            whole = whole * 1000000 +
                    static_cast<uint64_t>((c[0] - '0') * 100000 + (c[1] - '0') * 10000 +
                                          (c[2] - '0') * 1000 + (c[3] - '0') * 100 +
                                          (c[4] - '0') * 10 + (c[5] - '0'));
            c += 6;
            decimals = 6;
        } else {
            const char* fractionStart = c;
            for (; isDigit(*c); ++c) {
                whole = whole * 10 + static_cast<uint64_t>(*c - '0');
            }
            decimals = static_cast<size_t>(c - fractionStart);
        }
        digits += decimals;
    }
    out->whole = whole;
    out->decimals = decimals;
    return digits > 0 && digits <= kMaxShortDigits && *c != 'e' && *c != 'E';
}

// whole and 10^decimals are exact doubles, and the one division rounds the
// quotient exactly as strtod does.
__attribute__((always_inline)) inline bool shortDecimalAsDouble(const ShortDecimal& number,
                                                                double* out) {
    if (number.whole > kMaxExactWhole || number.decimals > kMaxExactPowerOfTen) {
        return false;
    }
    double value = static_cast<double>(number.whole) / kExactPowersOfTen[number.decimals];
    *out = number.negative ? -value : value;
    return true;
}

bool shortDecimalAsFloat(const ShortDecimal& number, float* out) {
    // The same in floats, when both are exact floats.
    if (number.whole <= kMaxExactFloatWhole && number.decimals <= kMaxExactFloatPowerOfTen) {
        float value =
            static_cast<float>(number.whole) / kExactFloatPowersOfTen[number.decimals];
        *out = number.negative ? -value : value;
        return true;
    }
    // Else the double is the exact value rounded once, and rounding it again
    // to a float gives strtof's float unless it fell exactly halfway between
    // two floats (the 29 bits a float drops are then 1 and zeros).
    double value = 0;
    if (!shortDecimalAsDouble(number, &value)) {
        return false;
    }
    uint64_t bits;
    memcpy(&bits, &value, sizeof bits);
    const uint64_t kDropped = (uint64_t{1} << 29) - 1;
    if ((bits & kDropped) == uint64_t{1} << 28) {
        return false;
    }
    *out = static_cast<float>(value);
    return true;
}

// Everything the short decimals leave: strtof or strtod in the C locale.
template <typename Number>
bool scanWithLibrary(const char* token, Number* out, Number (*parse)(const char*, char**)) {
    CLocaleScope numbers;
    char* end = nullptr;
    Number value = parse(token, &end);
    if (end == token) {
        return false;
    }
    *out = value;
    return true;
}
}  // namespace

bool scanFloatC(const char* token, float* out) {
    ShortDecimal number;
    return (scanShortDecimal(token, &number) && shortDecimalAsFloat(number, out)) ||
           scanWithLibrary(token, out, strtof);
}

bool scanDoubleC(const char* token, double* out) {
    ShortDecimal number;
    return (scanShortDecimal(token, &number) && shortDecimalAsDouble(number, out)) ||
           scanWithLibrary(token, out, strtod);
}

bool scanLongC(const char* token, long* out, bool* tooLarge) {
    *tooLarge = false;
    // Up to 18 digits, below 10^18, always fit a long.
    static_assert(sizeof(long) >= 8, "a long holds 18 digits");
    const size_t kAlwaysFitting = 18;
    bool negative = token[0] == '-';
    const char* digits = negative ? token + 1 : token;
    const char* c = digits;
    uint64_t value = 0;
    for (; isDigit(*c) && static_cast<size_t>(c - digits) < kAlwaysFitting; ++c) {
        value = value * 10 + static_cast<uint64_t>(*c - '0');
    }
    if (c != digits && !isDigit(*c)) {
        long whole = static_cast<long>(value);
        *out = negative ? -whole : whole;
        return true;
    }
    char* end = nullptr;
    errno = 0;
    long parsed = strtol(token, &end, 10);
    if (end == token) {
        return false;
    }
    *tooLarge = errno == ERANGE;
    *out = parsed;
    return true;
}

