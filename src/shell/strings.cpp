#include "shell/strings.h"

#include <cctype>
#include <cstring>

char* strupr(char* text) {
    for (char* c = text; *c; ++c) {
        *c = static_cast<char>(toupper(static_cast<unsigned char>(*c)));
    }
    return text;
}

char* replaceChar(char* text, char from, char to) {
    if (text == nullptr) {
        return text;
    }
    for (char* c = text; *c; ++c) {
        if (*c == from) {
            *c = to;
        }
    }
    return text;
}

char* trimWhiteSpace(char* text) {
    while (isspace(static_cast<unsigned char>(*text))) {
        ++text;
    }
    if (*text == 0) {
        return text;
    }
    char* end = text + strlen(text) - 1;
    while (end > text && isspace(static_cast<unsigned char>(*end))) {
        --end;
    }
    end[1] = 0;
    return text;
}

void strip_extra_spaces(char* text) {
    size_t out = 0;
    bool previousWasSpace = true;  // drops leading white space
    for (size_t in = 0; text[in]; ++in) {
        bool space = isspace(static_cast<unsigned char>(text[in])) != 0;
        if (!(space && previousWasSpace)) {
            text[out++] = text[in];
        }
        previousWasSpace = space;
    }
    text[out] = 0;
}

bool iswhitespace(char c) {
    return c == ' ' || c == '\f' || c == '\n' || c == '\r' || c == '\t' || c == '\v';
}

const char* findLastWhiteSpace(const char* text, int n) {
    int found = 0;
    for (const char* c = text; *c; ++c) {
        if (iswhitespace(c[0]) && c[1] && !iswhitespace(c[1])) {
            if (++found == n) {
                return c + 1;
            }
        }
    }
    return text + strlen(text);
}

int64_t hashString(const char* text) {
    int64_t hash = 0;
    for (size_t i = 0; text[i]; ++i) {
        int64_t value = static_cast<signed char>(text[i]);
        hash += (i % 2 == 1) ? value * 256 : value;
    }
    return hash;
}

std::string thousandSeparator(int number) {
    // Negative numbers keep their sign in front of the grouped digits.
    long long magnitude = number;
    bool negative = magnitude < 0;
    if (negative) {
        magnitude = -magnitude;
    }
    std::string digits = std::to_string(magnitude);
    std::string grouped;
    int count = 0;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (count > 0 && count % 3 == 0) {
            grouped.insert(grouped.begin(), ',');
        }
        grouped.insert(grouped.begin(), *it);
        ++count;
    }
    return negative ? "-" + grouped : grouped;
}

void fixPath(const char* source, char* destination) {
    size_t length = strnlen(source, 1999);
    memcpy(destination, source, length);
    destination[length] = 0;
}
