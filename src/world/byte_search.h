// Byte searches for the apt.dat scan. Case is folded for ASCII letters only,
// whatever the process locale, so that every reader compares codes alike.
#pragma once

#include <cstddef>
#include <cstring>

inline const char* findLastByte(const char* data, char byte, size_t size) {
    if (size == 0) {
        return nullptr;
    }
#if defined(__GLIBC__)
    return static_cast<const char*>(memrchr(data, byte, size));
#else
    for (size_t i = size; i > 0; --i) {
        if (data[i - 1] == byte) {
            return data + i - 1;
        }
    }
    return nullptr;
#endif
}

inline char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The first n characters of a and b are the same but for case.
inline bool equalIgnoringCase(const char* a, const char* b, size_t n) {
    for (size_t i = 0; i < n; ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i])) {
            return false;
        }
    }
    return true;
}
