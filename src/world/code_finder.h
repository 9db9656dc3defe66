// Finds an airport code in a block of apt.dat text where it may start a field
// that names an airport, ignoring case. Such a field (a header's identifier, a
// metadata row's value) is never a line's first, so a blank other than the line
// feed stands before it. Sixteen places at a time are tested for that blank and
// the code's first, second and last characters together, and only where all
// stand is the whole code compared. So the scan keeps its pace whatever the
// code is made of: a memchr for one of its characters stops every few bytes
// when that character is a digit, and digits fill most of an apt.dat.
#pragma once

#include <cstddef>
#include <string>

class CodeFinder {
public:
    explicit CodeFinder(const std::string& code);

    // The start of the first such occurrence within [from, to), or `to`.
    // data[from - 1] is read when from > 0; data[0] starts a line.
    size_t find(const char* data, size_t from, size_t to) const;

private:
    bool foundAt(const char* data, size_t start) const;
    size_t findOneByOne(const char* data, size_t from, size_t to) const;

    std::string lower_;
    // The first, second and last characters with bit 0x20 set: the same for
    // both cases of a letter, so every place of the code matches these.
    unsigned char firstFolded_ = 0;
    unsigned char secondFolded_ = 0;
    unsigned char lastFolded_ = 0;
};
