// Finds an airport code in a block of apt.dat text where it may start a field
// that names an airport, ignoring case. Such a field (a header's identifier, a
// metadata row's value) is never a line's first, so a blank other than the line
// feed stands before it.
//
// Two ways. With AVX2 the finder tests 32 places at a time for the blank and
// the code's first, second and last characters together, at the pace the
// file's bytes come from memory whatever the text holds. Without it, testing
// sixteen places at a time is slower than memchr for the code's rarest
// character, which passes over text far faster but stops at every occurrence
// of that character: for a code of digits that is every few bytes, as digits
// fill most of an apt.dat. So the finder then takes memchr unless the rarest
// character is a digit or a sign, or the stops turn out to be frequent.
#pragma once

#include <cstddef>
#include <string>

#include "world/code_lanes.h"

class CodeFinder {
public:
    explicit CodeFinder(const std::string& code);

    // The start of the first such occurrence within [from, to), or `to`.
    // data[from - 1] is read when from > 0; data[0] starts a line. Within one
    // block `from` never goes back and `to` stays; reset() for a new block.
    size_t find(const char* data, size_t from, size_t to);
    void reset();

private:
    bool foundAt(const char* data, size_t start) const;
    size_t findByRarest(const char* data, size_t from, size_t to);
    size_t findByLanes(const char* data, size_t from, size_t to) const;
    size_t findOneByOne(const char* data, size_t from, size_t to) const;

    std::string lower_;
    // The first, second and last characters with bit 0x20 set: the same for
    // both cases of a letter, so every place of the code matches these.
    CodeLanes lanes_;
    bool wideLanes_ = false;

    bool byLanes_ = false;
    size_t pivot_ = 0;  // where in the code the rarest character is
    char variants_[2] = {};
    int variantCount_ = 1;
    // The next place of each variant at or after where the last search began.
    size_t next_[2] = {};
    bool known_[2] = {};
    // memchr's stops and the bytes it passed, to leave it when stops are frequent.
    size_t stops_ = 0;
    size_t passed_ = 0;
};
