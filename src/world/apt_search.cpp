#include "world/apt_search.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

#include "shell/regular_file.h"
#include "shell/strings.h"
#include "world/apt_airport_reader.h"
#include "world/apt_fields.h"
#include "world/apt_record.h"
#include "world/byte_search.h"
#include "world/code_finder.h"
#include "world/line_reader.h"

namespace {

// Large enough that reads cost little, small enough to stay in the CPU cache
// while the code finder passes over it. Smaller files (most packs' files) get a
// block of their own size.
const size_t kBlockSize = 1024 * 1024;
const int kMetadataRow = 1302;

class FileHandle {
public:
    explicit FileHandle(const std::string& path) : fd_(openRegularFile(path)) {
#if defined(POSIX_FADV_SEQUENTIAL)
        if (fd_ >= 0) {
            posix_fadvise(fd_, 0, 0, POSIX_FADV_SEQUENTIAL);
        }
#endif
    }
    ~FileHandle() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

// A code that no header or metadata row can hold finds nothing.
bool isSearchable(const char* icao) {
    size_t length = strnlen(icao, sizeof(Airport::icao));
    if (length == 0 || length >= sizeof(Airport::icao)) {
        return false;
    }
    for (size_t i = 0; i < length; ++i) {
        if (iswhitespace(icao[i])) {
            return false;
        }
    }
    return true;
}

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

// The record every parsed airport is built in, kept for the life of the
// process (main thread only); only the one found is copied out.
Airport* workingRecord() {
    static Airport* record = new Airport();
    return record;
}

// Walks the file a block of whole lines at a time. A matching airport's code
// stands as the identifier of its header or the value of an "icao_code" or
// "faa_code" row, so only airports with such a row are parsed, each at most
// once, in file order.
class AptScan {
public:
    AptScan(int fd, const char* icao, size_t blockSize)
        : fd_(fd), icao_(icao), finder_(icao), block_(new char[blockSize]), capacity_(blockSize) {}

    std::unique_ptr<Airport> run();

private:
    enum class Next { Continue, Found, Jump };

    bool fillBlock();
    size_t wholeLinesEnd(bool* overLong) const;
    Next scanBlock(size_t regionEnd);
    Next checkLine(size_t lineStart, size_t lineEnd);
    bool dropThroughLineFeed();
    void growBlock();

    int fd_;
    const char* icao_;
    CodeFinder finder_;
    std::unique_ptr<char[]> block_;  // not zeroed: only what was read is used
    size_t capacity_;
    int64_t offset_ = 0;  // file offset of block_[0], always a line start
    size_t size_ = 0;
    bool eof_ = false;
    // Airports before this offset were parsed and are not the one.
    int64_t parsedUntil_ = 0;
};

bool AptScan::fillBlock() {
    if (size_ < capacity_ && !eof_) {
        size_t got = readAt(fd_, offset_ + static_cast<int64_t>(size_), block_.get() + size_,
                            capacity_ - size_);
        size_ += got;
        eof_ = size_ < capacity_;
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
    parsedUntil_ = readAirport(fd_, airportStart, workingRecord());
    if (airportHasCode(*workingRecord(), icao_)) {
        return Next::Found;
    }
    return parsedUntil_ >= offset_ + static_cast<int64_t>(size_) ? Next::Jump : Next::Continue;
}

AptScan::Next AptScan::scanBlock(size_t regionEnd) {
    finder_.reset();
    const char* data = block_.get();
    size_t length = strlen(icao_);
    size_t position = 0;
    while (true) {
        size_t hit = finder_.find(data, position, regionEnd);
        if (hit >= regionEnd) {
            return Next::Continue;
        }
        if (!mayStandAsCode(data, hit, length, regionEnd)) {
            position = hit + 1;
            continue;
        }
        const char* feedBefore = findLastByte(data, '\n', hit);
        size_t lineStart = feedBefore != nullptr ? static_cast<size_t>(feedBefore - data) + 1 : 0;
        const char* feedAfter = static_cast<const char*>(memchr(data + hit, '\n', regionEnd - hit));
        size_t lineEnd = feedAfter != nullptr ? static_cast<size_t>(feedAfter - data) : regionEnd;
        size_t keptEnd = lineEnd - lineStart > kMaxLineKept ? lineStart + kMaxLineKept : lineEnd;
        position = lineEnd;
        if (hit + length <= keptEnd) {
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
    while (fillBlock()) {
        bool overLong = false;
        size_t regionEnd = wholeLinesEnd(&overLong);
        if (overLong && capacity_ < kBlockSize) {
            growBlock();
            continue;
        }
        Next next = scanBlock(regionEnd);
        if (next == Next::Found) {
            return std::make_unique<Airport>(*workingRecord());
        }
        if (next == Next::Jump) {
            if (parsedUntil_ == kEndOfFile) {
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

}  // namespace

std::unique_ptr<Airport> searchAptFile(const std::string& path, const char* icao) {
    if (icao == nullptr || !isSearchable(icao)) {
        return nullptr;
    }
    FileHandle file(path);
    struct stat status;
    if (file.fd() < 0 || fstat(file.fd(), &status) != 0) {
        return nullptr;
    }
    size_t fileSize = status.st_size > 0 ? static_cast<size_t>(status.st_size) : 0;
    return AptScan(file.fd(), icao, fileSize < kBlockSize ? fileSize + 1 : kBlockSize).run();
}
