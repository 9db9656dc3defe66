// Any bytes as the text of a number, and any bits as a float or double: the
// plug-in's own number reading gives exactly what strtof, strtod and strtol give
// in the C locale (the value's bits, whether one was found, the overflow), and
// its decimal writing gives exactly what printf's "%.Nf" writes.
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "shell/c_locale.h"
#include "shell/number_text.h"

namespace {

void fail(const char* what, const std::string& text) {
    fprintf(stderr, "%s differs for \"%s\"\n", what, text.c_str());
    abort();
}

void compareReading(const std::string& token) {
    const char* text = token.c_str();
    CLocaleScope numbers;
    char* end = nullptr;

    float expectedFloat = strtof(text, &end);
    bool foundFloat = end != text;
    float gotFloat = 0;
    if (scanFloatC(text, &gotFloat) != foundFloat ||
        (foundFloat && memcmp(&gotFloat, &expectedFloat, sizeof gotFloat) != 0)) {
        fail("scanFloatC", token);
    }

    double expectedDouble = strtod(text, &end);
    bool foundDouble = end != text;
    double gotDouble = 0;
    if (scanDoubleC(text, &gotDouble) != foundDouble ||
        (foundDouble && memcmp(&gotDouble, &expectedDouble, sizeof gotDouble) != 0)) {
        fail("scanDoubleC", token);
    }

    errno = 0;
    long expectedLong = strtol(text, &end, 10);
    bool foundLong = end != text;
    bool expectedTooLarge = errno == ERANGE;
    long gotLong = 0;
    bool tooLarge = false;
    if (scanLongC(text, &gotLong, &tooLarge) != foundLong ||
        (foundLong && (gotLong != expectedLong || tooLarge != expectedTooLarge))) {
        fail("scanLongC", token);
    }
}

void compareWriting(double value, const std::string& origin) {
    for (int decimals = 0; decimals <= 9; ++decimals) {
        char expected[512];
        {
            CLocaleScope numbers;
            snprintf(expected, sizeof expected, "%.*f", decimals, value);
        }
        std::string got;
        appendFixedDecimal(got, value, decimals);
        if (got != expected) {
            fail(("appendFixedDecimal with " + std::to_string(decimals) + " decimals").c_str(),
                 origin + " -> " + expected + " / " + got);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The text up to the first zero byte, as a field of a file reads.
    const char* text = reinterpret_cast<const char*>(data);
    std::string token(text, strnlen(text, size));
    compareReading(token);

    // The bytes as a double and as a float ("%f" writes floats as doubles),
    // and the value the text reads as.
    double asDouble = 0;
    float asFloat = 0;
    memcpy(&asDouble, data, size < sizeof asDouble ? size : sizeof asDouble);
    memcpy(&asFloat, data, size < sizeof asFloat ? size : sizeof asFloat);
    compareWriting(asDouble, "bits");
    compareWriting(asFloat, "float bits");
    compareWriting(strtod(token.c_str(), nullptr), token);
    compareWriting(strtof(token.c_str(), nullptr), token);
    return 0;
}
