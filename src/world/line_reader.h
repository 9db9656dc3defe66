// Whole lines of a file, however long, from any offset: the line feed, a
// carriage return and trailing white space are removed (files written on
// Windows are common). Of a line longer than kMaxLineKept only that many
// characters are kept and the rest is skipped, so it never becomes a second line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Far more than any apt.dat or scenery_packs.ini row holds.
const size_t kMaxLineKept = 64 * 1024;

// Reads with pread: the caller keeps the file open and may share it.
class LineReader {
public:
    LineReader(int fd, int64_t offset);

    // False at the end of the file; a read error counts as its end.
    bool next();
    // Zero-terminated, valid until the next call; the caller may change it.
    char* text() const { return text_; }
    size_t length() const { return length_; }
    // Where the current line starts in the file.
    int64_t offset() const { return lineOffset_; }

private:
    bool fill();
    void compact();
    // Drops what is left of an over-long line; false at the end of the file.
    bool skipRestOfLine();

    int fd_;
    int64_t bufferOffset_;  // file offset of buffer_[0]
    std::vector<char> buffer_;
    size_t begin_ = 0;
    size_t end_ = 0;
    bool eof_ = false;
    bool skipping_ = false;
    char* text_ = nullptr;
    size_t length_ = 0;
    int64_t lineOffset_ = 0;
};

// Reads up to size bytes at offset, retrying interrupted and short reads.
// The count read; 0 at the end of the file or on an error.
size_t readAt(int fd, int64_t offset, char* out, size_t size);
