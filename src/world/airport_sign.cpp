#include "world/airport_sign.h"

#include "shell/strings.h"

const char* convertAirportSign(const char* text) {
    static char converted[2000];
    const size_t last = sizeof(converted) - 1;
    size_t out = 0;
    bool inBraces = false;
    for (const char* c = text; *c != 0 && out < last; ++c) {
        char next = *c;
        if (next == '{') {
            inBraces = true;
            continue;
        }
        if (next == '}') {
            inBraces = false;
            next = ' ';
        } else if (inBraces) {
            continue;
        } else if (next == '_' || iswhitespace(next)) {
            next = ' ';
        }
        // No leading blank and no two in a row.
        if (next == ' ' && (out == 0 || converted[out - 1] == ' ')) {
            continue;
        }
        converted[out++] = next;
    }
    while (out > 0 && converted[out - 1] == ' ') {
        --out;
    }
    converted[out] = 0;
    return converted;
}
