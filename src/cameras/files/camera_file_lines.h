// Lines of a camera file (and of the other files kept in its format), read a
// block at a time and split in the block, never longer than the longest line
// allowed: longer lines are consumed whole and reported, never split.
#pragma once

#include <cctype>
#include <cstdio>
#include <memory>

#include "cameras/files/camera_columns.h"

// Room for the longest line, a carriage return and the terminator.
const int kCameraFileLineBuffer = kMaxCameraFileLine + 2;

// isspace in the process's locale, as trimWhiteSpace and the other readers of
// these files judge white space, so a line splits alike on every path. The
// printable ASCII characters that fill the files are white space in no locale
// and skip the call.
inline bool isSpaceInLine(char c) {
    unsigned char byte = static_cast<unsigned char>(c);
    return (byte <= ' ' || byte >= 0x7f) && isspace(byte) != 0;
}
// Nothing but white space, or nothing at all.
bool isBlankText(const char* text);

enum class CameraFileLine { Read, TooLong, End };

class CameraFileLines {
public:
    // Reads from the stream's current position; the caller keeps it open.
    explicit CameraFileLines(FILE* file);

    // Read: *line is the next line without its line feed or one trailing
    // carriage return, zero-terminated (a zero byte within it ends it early),
    // valid until the next call; the caller may change it. TooLong: the line
    // held more than kMaxCameraFileLine characters. End: nothing is left, or
    // the stream failed (ferror tells).
    CameraFileLine next(char** line);

private:
    bool fill();
    CameraFileLine skipRestOfLine();

    FILE* file_;
    std::unique_ptr<char[]> block_;
    size_t begin_ = 0;
    size_t end_ = 0;
    bool eof_ = false;
};
