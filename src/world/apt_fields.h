// The fields of one apt.dat row: runs of non-blank characters. Every reader of
// the file classifies lines with parseRowCode, so the quick scan and the row
// parsers always agree on what a line is.
#pragma once

#include <cstddef>

// The row code: the line's first field when it is a whole integer. The line
// ends at `end` or at a zero byte, whichever comes first.
bool parseRowCode(const char* begin, const char* end, int* code);
inline bool isAirportHeader(int code) { return code == 1 || code == 16 || code == 17; }

const int kMaxRowFields = 24;

struct AptRow {
    const char* text = "";
    int count = 0;  // fields found, at most kMaxRowFields
    const char* start[kMaxRowFields] = {};
    size_t length[kMaxRowFields] = {};
};

// Splits a zero-terminated row; the row keeps pointers into the text.
void splitRow(const char* text, AptRow* row);
// Field n (from 1) of a row that ends at `end` or at a zero byte, as splitRow
// would find it; false when the row has fewer fields.
bool findRowField(const char* begin, const char* end, int n, const char** start, size_t* length);
// Field n counts from 1 (the row code). False when the row has no such field
// or it is not wholly a number; *out is then untouched. The caller holds a
// CLocaleScope.
bool rowFloat(const AptRow& row, int n, float* out);
bool rowDouble(const AptRow& row, int n, double* out);
bool rowInt(const AptRow& row, int n, int* out);
// Copies field n, cut to size - 1 characters; "" when there is none.
void rowText(const AptRow& row, int n, char* out, size_t size);
// The row's text from field n to its end, or "".
const char* rowRest(const AptRow& row, int n);
// Copies at most size - 1 characters of text.
void copyCut(const char* text, char* out, size_t size);
