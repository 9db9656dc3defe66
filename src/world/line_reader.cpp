#include "world/line_reader.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "shell/strings.h"

namespace {

const size_t kFirstBufferSize = 64 * 1024;

}  // namespace

size_t readAt(int fd, int64_t offset, char* out, size_t size) {
    size_t total = 0;
    while (total < size) {
        ssize_t got = pread(fd, out + total, size - total, static_cast<off_t>(offset + total));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            break;
        }
        total += static_cast<size_t>(got);
    }
    return total;
}

LineReader::LineReader(int fd, int64_t offset)
    : fd_(fd), bufferOffset_(offset), buffer_(kFirstBufferSize + 1) {}

void LineReader::compact() {
    if (begin_ > 0) {
        memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        bufferOffset_ += static_cast<int64_t>(begin_);
        end_ -= begin_;
        begin_ = 0;
    }
}

// One byte of the buffer always stays free for the terminating zero.
bool LineReader::fill() {
    if (eof_) {
        return false;
    }
    compact();
    if (end_ + 1 >= buffer_.size()) {
        buffer_.resize(buffer_.size() * 2);
    }
    size_t got = readAt(fd_, bufferOffset_ + static_cast<int64_t>(end_), buffer_.data() + end_,
                        buffer_.size() - 1 - end_);
    if (got == 0) {
        eof_ = true;
        return false;
    }
    end_ += got;
    return true;
}

bool LineReader::skipRestOfLine() {
    while (true) {
        const char* feed =
            static_cast<const char*>(memchr(buffer_.data() + begin_, '\n', end_ - begin_));
        if (feed != nullptr) {
            begin_ = static_cast<size_t>(feed - buffer_.data()) + 1;
            skipping_ = false;
            return true;
        }
        begin_ = end_;
        if (!fill()) {
            return false;
        }
    }
}

bool LineReader::next() {
    if (skipping_ && !skipRestOfLine()) {
        return false;
    }
    size_t lineEnd = 0;
    size_t following = 0;
    while (true) {
        size_t available = end_ - begin_;
        size_t window = available < kMaxLineKept ? available : kMaxLineKept;
        const char* start = buffer_.data() + begin_;
        const char* feed = static_cast<const char*>(memchr(start, '\n', window));
        if (feed != nullptr) {
            lineEnd = static_cast<size_t>(feed - buffer_.data());
            following = lineEnd + 1;
            break;
        }
        if (available >= kMaxLineKept) {
            lineEnd = begin_ + kMaxLineKept;
            following = lineEnd;
            skipping_ = true;
            break;
        }
        if (!fill()) {
            if (begin_ == end_) {
                return false;
            }
            lineEnd = end_;
            following = end_;
            break;
        }
    }
    text_ = buffer_.data() + begin_;
    lineOffset_ = bufferOffset_ + static_cast<int64_t>(begin_);
    // A kept line cut short may end on the line feed that the skip looks for.
    if (skipping_ && lineEnd < end_ && buffer_[lineEnd] == '\n') {
        skipping_ = false;
        following = lineEnd + 1;
    }
    buffer_[lineEnd] = 0;
    length_ = lineEnd - begin_;
    while (length_ > 0 && iswhitespace(text_[length_ - 1])) {
        text_[--length_] = 0;
    }
    begin_ = following;
    return true;
}
