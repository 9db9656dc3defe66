#include "shell/number_text.h"

#include <charconv>
#include <cstdint>
#include <cstring>

namespace {
typedef unsigned __int128 Wide;

const uint64_t kPowersOfFive[] = {1, 5, 25, 125, 625, 3125, 15625, 78125, 390625, 1953125};
const int kMaxFastDecimals = 9;

// The value times 10^decimals rounded to a whole number as printf rounds (the
// exact binary value, ties to even), when it fits 64 bits; false otherwise.
// A double is m * 2^e with m below 2^53, so value * 10^d = m * 5^d * 2^(e+d),
// and m * 5^d stays below 2^75: exact in 128 bits.
bool scaledAndRounded(uint64_t bits, int decimals, uint64_t* out) {
    int biased = static_cast<int>((bits >> 52) & 0x7ff);
    uint64_t mantissa = bits & ((uint64_t{1} << 52) - 1);
    int exponent = -1074;
    if (biased != 0) {
        mantissa |= uint64_t{1} << 52;
        exponent = biased - 1075;
    }
    Wide product = static_cast<Wide>(mantissa) * kPowersOfFive[decimals];
    int shift = exponent + decimals;
    Wide scaled = 0;
    if (shift >= 0) {
        // Beyond 64 bits the result would not fit anyway.
        if (shift > 63 || (product >> (64 - shift)) != 0) {
            return false;
        }
        scaled = product << shift;
    } else if (-shift < 127) {
        int drop = -shift;
        Wide half = static_cast<Wide>(1) << (drop - 1);
        Wide rest = product & ((half << 1) - 1);
        scaled = product >> drop;
        if (rest > half || (rest == half && (scaled & 1) != 0)) {
            ++scaled;
        }
    }
    // else: below 2^75 / 2^127, far less than half a unit, rounds to zero.
    if ((scaled >> 64) != 0) {
        return false;
    }
    *out = static_cast<uint64_t>(scaled);
    return true;
}
}  // namespace

void appendFixedDecimal(std::string& out, double value, int decimals) {
    uint64_t bits;
    memcpy(&bits, &value, sizeof bits);
    bool finite = ((bits >> 52) & 0x7ff) != 0x7ff;
    uint64_t scaled = 0;
    if (!finite || decimals < 0 || decimals > kMaxFastDecimals ||
        !scaledAndRounded(bits, decimals, &scaled)) {
        // Huge or not finite: the exact but slower general formatting. The
        // longest is a double's 309 digits, its sign, point and decimals.
        char text[512];
        std::to_chars_result result =
            std::to_chars(text, text + sizeof(text), value, std::chars_format::fixed, decimals);
        out.append(text, static_cast<size_t>(result.ptr - text));
        return;
    }
    // Written from the last digit back.
    char text[32];
    char* end = text + sizeof(text);
    char* first = end;
    for (int i = 0; i < decimals; ++i) {
        *--first = static_cast<char>('0' + scaled % 10);
        scaled /= 10;
    }
    if (decimals > 0) {
        *--first = '.';
    }
    do {
        *--first = static_cast<char>('0' + scaled % 10);
        scaled /= 10;
    } while (scaled != 0);
    if ((bits >> 63) != 0) {
        *--first = '-';
    }
    out.append(first, static_cast<size_t>(end - first));
}
