#include "world/apt_record.h"

#include <cstdint>
#include <cstring>

#include "shell/c_locale.h"
#include "world/apt_fields.h"
#include "world/byte_search.h"
#include "world/apt_rows.h"

namespace {

const int kMetadata = 1302;

bool fieldIs(const AptRow& row, int n, const char* word) {
    size_t length = strlen(word);
    return n <= row.count && row.length[n - 1] == length &&
           equalIgnoringCase(row.start[n - 1], word, length);
}

// Field n of a row, cut to `cut` characters as the record keeps it, reads
// `word`, ignoring case.
bool fieldReads(const char* begin, const char* end, int n, size_t cut, const char* word) {
    const char* start = nullptr;
    size_t length = 0;
    if (!findRowField(begin, end, n, &start, &length)) {
        return false;
    }
    size_t kept = length < cut ? length : cut;
    size_t wordLength = strlen(word);
    return kept == wordLength && equalIgnoringCase(start, word, wordLength);
}

}  // namespace

void beginAirport(Airport* airport, const char* text) {
    memset(airport, 0, sizeof(*airport));
    CLocaleScope numbers;
    AptRow row;
    splitRow(text, &row);
    rowInt(row, 1, &airport->type);
    double elevation = 0;
    int ignored = 0;
    if (!rowDouble(row, 2, &elevation) || !rowInt(row, 3, &ignored) ||
        !rowInt(row, 4, &ignored)) {
        return;
    }
    airport->elevation = elevation;
    rowText(row, 5, airport->icao, sizeof(airport->icao));
    copyCut(rowRest(row, 6), airport->name, sizeof(airport->name));
}

void applyAirportMetadata(Airport* airport, const char* text) {
    AptRow row;
    splitRow(text, &row);
    if (row.count >= 3 && (fieldIs(row, 2, "icao_code") || fieldIs(row, 2, "faa_code"))) {
        rowText(row, 3, airport->icao, kMetadataCodeLength + 1);
    }
}

void addAirportRow(Airport* airport, int code, const char* row) {
    switch (code) {
        case 100:
        case 101: addRunway(airport, row); break;
        case 102: addHelipad(airport, row); break;
        case 14: addViewPoint(airport, row); break;
        case 15: addStartingLocation(airport, row); break;
        case 1300: addNewStyleStartingLocation(airport, row); break;
        case 20: addSign(airport, row); break;
        case kMetadata: applyAirportMetadata(airport, row); break;
        default: break;
    }
}

bool rowMayGiveCode(int rowCode, const char* begin, const char* end, const char* icao) {
    const size_t whole = SIZE_MAX;
    if (isAirportHeader(rowCode)) {
        return fieldReads(begin, end, 5, sizeof(Airport::icao) - 1, icao);
    }
    if (rowCode == kMetadata) {
        return (fieldReads(begin, end, 2, whole, "icao_code") ||
                fieldReads(begin, end, 2, whole, "faa_code")) &&
               fieldReads(begin, end, 3, kMetadataCodeLength, icao);
    }
    return false;
}

bool airportHasCode(const Airport& airport, const char* icao) {
    size_t length = strlen(icao);
    return length > 0 && strnlen(airport.icao, sizeof(airport.icao)) == length &&
           equalIgnoringCase(airport.icao, icao, length);
}
