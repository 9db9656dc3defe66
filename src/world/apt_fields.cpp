#include "world/apt_fields.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "shell/strings.h"

namespace {

// Long enough for any number a row holds; longer fields are not numbers.
const size_t kNumberSize = 64;

bool copyNumber(const AptRow& row, int n, char* out) {
    if (n < 1 || n > row.count || row.length[n - 1] >= kNumberSize) {
        return false;
    }
    memcpy(out, row.start[n - 1], row.length[n - 1]);
    out[row.length[n - 1]] = 0;
    return true;
}

}  // namespace

bool parseRowCode(const char* begin, const char* end, int* code) {
    const char* c = begin;
    while (c < end && *c != 0 && iswhitespace(*c)) {
        ++c;
    }
    bool negative = false;
    if (c < end && (*c == '+' || *c == '-')) {
        negative = *c == '-';
        ++c;
    }
    int value = 0;
    int digits = 0;
    // Nine digits cannot overflow, and no row code has more.
    while (c < end && *c >= '0' && *c <= '9') {
        if (++digits > 9) {
            return false;
        }
        value = value * 10 + (*c - '0');
        ++c;
    }
    if (digits == 0) {
        return false;
    }
    if (c < end && *c != 0 && !iswhitespace(*c)) {
        return false;
    }
    *code = negative ? -value : value;
    return true;
}

void splitRow(const char* text, AptRow* row) {
    row->text = text;
    row->count = 0;
    const char* c = text;
    while (*c != 0 && row->count < kMaxRowFields) {
        while (*c != 0 && iswhitespace(*c)) {
            ++c;
        }
        if (*c == 0) {
            break;
        }
        const char* start = c;
        while (*c != 0 && !iswhitespace(*c)) {
            ++c;
        }
        row->start[row->count] = start;
        row->length[row->count] = static_cast<size_t>(c - start);
        ++row->count;
    }
}

bool findRowField(const char* begin, const char* end, int n, const char** start, size_t* length) {
    const char* c = begin;
    for (int field = 1; field <= n && field <= kMaxRowFields; ++field) {
        while (c < end && *c != 0 && iswhitespace(*c)) {
            ++c;
        }
        if (c == end || *c == 0) {
            return false;
        }
        const char* fieldStart = c;
        while (c < end && *c != 0 && !iswhitespace(*c)) {
            ++c;
        }
        if (field == n) {
            *start = fieldStart;
            *length = static_cast<size_t>(c - fieldStart);
            return true;
        }
    }
    return false;
}

bool rowDouble(const AptRow& row, int n, double* out) {
    char number[kNumberSize];
    if (!copyNumber(row, n, number)) {
        return false;
    }
    char* end = nullptr;
    double value = strtod(number, &end);
    if (end == number || *end != 0 || !std::isfinite(value)) {
        return false;
    }
    *out = value;
    return true;
}

bool rowFloat(const AptRow& row, int n, float* out) {
    double value = 0;
    if (!rowDouble(row, n, &value) || !std::isfinite(static_cast<float>(value))) {
        return false;
    }
    *out = static_cast<float>(value);
    return true;
}

bool rowInt(const AptRow& row, int n, int* out) {
    char number[kNumberSize];
    if (!copyNumber(row, n, number)) {
        return false;
    }
    char* end = nullptr;
    errno = 0;
    long value = strtol(number, &end, 10);
    if (end == number || *end != 0 || errno == ERANGE || value < INT_MIN || value > INT_MAX) {
        return false;
    }
    *out = static_cast<int>(value);
    return true;
}

void rowText(const AptRow& row, int n, char* out, size_t size) {
    if (size == 0) {
        return;
    }
    size_t length = 0;
    if (n >= 1 && n <= row.count) {
        length = row.length[n - 1] < size - 1 ? row.length[n - 1] : size - 1;
        memcpy(out, row.start[n - 1], length);
    }
    out[length] = 0;
}

const char* rowRest(const AptRow& row, int n) {
    return n >= 1 && n <= row.count ? row.start[n - 1] : "";
}

void copyCut(const char* text, char* out, size_t size) {
    if (size == 0) {
        return;
    }
    size_t length = strnlen(text, size - 1);
    memcpy(out, text, length);
    out[length] = 0;
}
