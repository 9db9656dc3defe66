#include "world/apt_scan.h"

#include <sys/stat.h>

#include <cstring>

#include "shell/strings.h"
#include "world/apt_fields.h"
#include "world/apt_record.h"
#include "world/byte_search.h"
#include "world/code_lanes.h"
#include "world/line_reader.h"

namespace {

// Small enough to stay in the CPU's cache while the code finder passes over
// it, and to come from malloc's heap: larger blocks get memory mapped for them
// alone, and reading the file into such memory was several times slower.
// Stretches shorter than a block (most packs' files) get a block of their own
// size.
const size_t kBlockSize = 96 * 1024;
static_assert(kBlockSize > kMaxLineKept, "a block holds the kept part of any line");
const int kMetadataRow = 1302;

// Whether the code found at the start of a field (CodeFinder) can be what an
// airport's field gives, before the line around it is looked at: it ends the
// field, unless the field is long enough to be cut to it or its over-long line
// is cut right after it.
bool mayStandAsCode(const char* data, size_t hit, size_t length, size_t regionEnd) {
    size_t after = hit + length;
    if (after >= regionEnd || data[after] == 0 || iswhitespace(data[after]) ||
        length >= kMetadataCodeLength) {
        return true;
    }
    return after >= kMaxLineKept &&
           (after == kMaxLineKept || data[after - kMaxLineKept - 1] == '\n');
}

bool mayGiveCode(int rowCode) { return isAirportHeader(rowCode) || rowCode == kMetadataRow; }

// Only a header or a metadata row gives an airport its code. A code of common
// letters stands in many other rows ("both" in every taxi route node), and the
// row code before it settles those without the rest of the line. The hit
// follows a blank, so the row code parses the same up to it as up to the
// line's end, unless the hit is the line's first field: a row code then, which
// another hit in the line must repeat for the row to give the code.
bool rowBeforeMayGiveCode(const char* lineStart, const char* hit) {
    // The usual row begins with its code's digits and a blank: read here as
    // parseRowCode reads them.
    const char* c = lineStart;
    if (*c >= '1' && *c <= '9') {
        const int kUsualLimit = 100000;
        int code = 0;
        for (; c < hit && *c >= '0' && *c <= '9' && code < kUsualLimit; ++c) {
            code = code * 10 + (*c - '0');
        }
        if (c < hit && (*c == ' ' || *c == '\t')) {
            return mayGiveCode(code);
        }
    }
    int code = 0;
    return parseRowCode(lineStart, hit, &code) && mayGiveCode(code);
}

size_t stretchBlockSize(int fd, int64_t begin, int64_t end) {
    struct stat status;
    int64_t last = end;
    if (last == kEndOfFile) {
        last = fstat(fd, &status) == 0 ? static_cast<int64_t>(status.st_size) : 0;
    }
    int64_t size = last > begin ? last - begin : 0;
    return static_cast<uint64_t>(size) < kBlockSize ? static_cast<size_t>(size) + 1 : kBlockSize;
}

}  // namespace

AptScan::AptScan(int fd, const char* icao, int64_t begin, int64_t end,
                 const std::atomic<bool>* stop)
    : fd_(fd),
      icao_(icao),
      length_(strlen(icao)),
      end_(end),
      stop_(stop),
      finder_(icao),
      record_(new Airport()),
      capacity_(stretchBlockSize(fd, begin, end)),
      offset_(begin) {
    block_.reset(new char[capacity_]);
}

bool AptScan::stopped() const {
    return stop_ != nullptr && stop_->load(std::memory_order_relaxed);
}

bool AptScan::fillBlock() {
    if (size_ < capacity_ && !eof_) {
        int64_t at = offset_ + static_cast<int64_t>(size_);
        size_t wanted = capacity_ - size_;
        bool lastOfStretch = false;
        if (end_ != kEndOfFile && end_ - at <= static_cast<int64_t>(wanted)) {
            wanted = end_ > at ? static_cast<size_t>(end_ - at) : 0;
            lastOfStretch = true;
        }
        size_t got = wanted > 0 ? readAt(fd_, at, block_.get() + size_, wanted) : 0;
        size_ += got;
        eof_ = lastOfStretch || got < wanted;
    }
    return size_ > 0;
}

// The file has grown since its size was taken.
void AptScan::growBlock() {
    std::unique_ptr<char[]> larger(new char[kBlockSize]);
    memcpy(larger.get(), block_.get(), size_);
    block_ = std::move(larger);
    capacity_ = kBlockSize;
}

// The end of the last whole line; a block without a line feed holds the
// start of an over-long line, of which only kMaxLineKept characters count.
size_t AptScan::wholeLinesEnd(bool* overLong) const {
    *overLong = false;
    if (eof_) {
        return size_;
    }
    const char* feed = findLastByte(block_.get(), '\n', size_);
    if (feed != nullptr) {
        return static_cast<size_t>(feed - block_.get()) + 1;
    }
    *overLong = true;
    return kMaxLineKept;
}

AptScan::Next AptScan::checkLine(size_t lineStart, size_t lineEnd) {
    int64_t lineOffset = offset_ + static_cast<int64_t>(lineStart);
    const char* begin = block_.get() + lineStart;
    const char* end = block_.get() + lineEnd;
    int code = 0;
    // The code also stands in numbers, names and other airports' rows: digits
    // fill most lines. Only a row that names the code can lead to a parse.
    if (lineOffset < parsedUntil_ || !parseRowCode(begin, end, &code) ||
        !rowMayGiveCode(code, begin, end, icao_)) {
        return Next::Continue;
    }
    int64_t airportStart = -1;
    if (isAirportHeader(code)) {
        airportStart = lineOffset;
    } else if (code == kMetadataRow) {
        airportStart = findAirportStart(fd_, lineOffset);
    }
    if (airportStart < 0) {
        return Next::Continue;
    }
    parsedUntil_ = readAirport(fd_, airportStart, record_.get());
    if (airportHasCode(*record_, icao_)) {
        return Next::Found;
    }
    return parsedUntil_ >= offset_ + static_cast<int64_t>(size_) ? Next::Jump : Next::Continue;
}

AptScan::Next AptScan::scanBlock(size_t regionEnd) {
    finder_.reset();
    const char* data = block_.get();
    size_t position = 0;
    while (true) {
        size_t hit = finder_.find(data, position, regionEnd);
        if (hit >= regionEnd) {
            return Next::Continue;
        }
        if (!mayStandAsCode(data, hit, length_, regionEnd)) {
            position = hit + 1;
            continue;
        }
        size_t lineStart = lineStartBefore(data, hit);
        if (!rowBeforeMayGiveCode(data + lineStart, data + hit)) {
            position = hit + 1;
            continue;
        }
        const char* feedAfter = static_cast<const char*>(memchr(data + hit, '\n', regionEnd - hit));
        size_t lineEnd = feedAfter != nullptr ? static_cast<size_t>(feedAfter - data) : regionEnd;
        size_t keptEnd = lineEnd - lineStart > kMaxLineKept ? lineStart + kMaxLineKept : lineEnd;
        position = lineEnd;
        if (hit + length_ <= keptEnd) {
            Next next = checkLine(lineStart, keptEnd);
            if (next != Next::Continue) {
                return next;
            }
            int64_t resume = parsedUntil_ - offset_;
            if (resume > static_cast<int64_t>(position)) {
                position = static_cast<size_t>(resume);
            }
        }
        if (position >= regionEnd) {
            return Next::Continue;
        }
    }
}

// After an over-long line's kept start: the rest of it is no line of its own.
bool AptScan::dropThroughLineFeed() {
    while (true) {
        const char* feed = static_cast<const char*>(memchr(block_.get(), '\n', size_));
        if (feed != nullptr) {
            size_t drop = static_cast<size_t>(feed - block_.get()) + 1;
            memmove(block_.get(), block_.get() + drop, size_ - drop);
            offset_ += static_cast<int64_t>(drop);
            size_ -= drop;
            return true;
        }
        offset_ += static_cast<int64_t>(size_);
        size_ = 0;
        if (eof_ || !fillBlock()) {
            return false;
        }
    }
}

std::unique_ptr<Airport> AptScan::run() {
    while (!stopped() && fillBlock()) {
        bool overLong = false;
        size_t regionEnd = wholeLinesEnd(&overLong);
        if (overLong && capacity_ < kBlockSize) {
            growBlock();
            continue;
        }
        Next next = scanBlock(regionEnd);
        if (next == Next::Found) {
            return std::make_unique<Airport>(*record_);
        }
        if (next == Next::Jump) {
            if (parsedUntil_ >= end_) {
                return nullptr;
            }
            offset_ = parsedUntil_;
            size_ = 0;
            eof_ = false;
            continue;
        }
        if (eof_ && regionEnd == size_) {
            return nullptr;
        }
        memmove(block_.get(), block_.get() + regionEnd, size_ - regionEnd);
        offset_ += static_cast<int64_t>(regionEnd);
        size_ -= regionEnd;
        if (overLong && !dropThroughLineFeed()) {
            return nullptr;
        }
    }
    return nullptr;
}
