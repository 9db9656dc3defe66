#include "cameras/files/camera_file_lines.h"

#include <cstring>

namespace {
// A full camera set is over a megabyte: blocks keep the reads few, and a
// line split across two blocks moves at most one line's characters.
const size_t kBlockSize = 64 * 1024;
// The longest line kept, with the carriage return a Windows file adds to it.
const size_t kLongestRawLine = kMaxCameraFileLine + 1;
}  // namespace

bool isBlankText(const char* text) {
    for (; *text != 0; ++text) {
        if (!isSpaceInLine(*text)) {
            return false;
        }
    }
    return true;
}

CameraFileLines::CameraFileLines(FILE* file)
    : file_(file), block_(new char[kBlockSize + 1]) {}

// Moves the unread rest to the front and reads behind it; false when nothing
// more came.
bool CameraFileLines::fill() {
    if (eof_) {
        return false;
    }
    if (begin_ > 0) {
        memmove(block_.get(), block_.get() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    size_t wanted = kBlockSize - end_;
    size_t got = fread(block_.get() + end_, 1, wanted, file_);
    end_ += got;
    eof_ = got < wanted;
    return got > 0;
}

CameraFileLine CameraFileLines::skipRestOfLine() {
    while (true) {
        char* feed = static_cast<char*>(memchr(block_.get() + begin_, '\n', end_ - begin_));
        if (feed != nullptr) {
            begin_ = static_cast<size_t>(feed - block_.get()) + 1;
            return CameraFileLine::TooLong;
        }
        begin_ = end_;
        if (!fill()) {
            return CameraFileLine::TooLong;
        }
    }
}

CameraFileLine CameraFileLines::next(char** line) {
    size_t searched = 0;  // bytes after begin_ known to hold no line feed
    size_t length = 0;
    while (true) {
        char* start = block_.get() + begin_;
        char* feed = static_cast<char*>(memchr(start + searched, '\n', end_ - begin_ - searched));
        if (feed != nullptr) {
            length = static_cast<size_t>(feed - start);
            break;
        }
        searched = end_ - begin_;
        if (searched > kLongestRawLine) {
            return skipRestOfLine();
        }
        if (!fill()) {
            if (begin_ == end_) {
                return CameraFileLine::End;
            }
            length = end_ - begin_;
            break;
        }
    }
    char* text = block_.get() + begin_;
    begin_ += length < end_ - begin_ ? length + 1 : length;
    if (length > kLongestRawLine) {
        return CameraFileLine::TooLong;
    }
    if (length > 0 && text[length - 1] == '\r') {
        --length;
    }
    if (length > static_cast<size_t>(kMaxCameraFileLine)) {
        return CameraFileLine::TooLong;
    }
    text[length] = 0;
    *line = text;
    return CameraFileLine::Read;
}
