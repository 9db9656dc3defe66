// Finds an airport code in a block of apt.dat text, ignoring case. It runs
// memchr for the code's rarest character (both cases) and checks the rest only
// there, so most of the file is passed over at memchr's speed.
#pragma once

#include <cstddef>
#include <string>

class CodeFinder {
public:
    explicit CodeFinder(const std::string& code);

    // The start of the first occurrence within [from, to), or `to`. Within one
    // block `from` never goes back and `to` stays; reset() for a new block.
    size_t find(const char* data, size_t from, size_t to);
    void reset();

private:
    bool matchesAt(const char* text) const;

    std::string lower_;
    size_t pivot_ = 0;  // where in the code the rarest character is
    char variants_[2] = {};
    int variantCount_ = 1;
    // The next place of each variant at or after where the last search began.
    size_t next_[2] = {};
    bool known_[2] = {};
};
