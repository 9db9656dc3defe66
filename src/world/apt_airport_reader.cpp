#include "world/apt_airport_reader.h"

#include <cstring>
#include <vector>

#include "world/apt_fields.h"
#include "world/byte_search.h"
#include "world/apt_record.h"
#include "world/line_reader.h"

namespace {

const size_t kBackwardStep = 64 * 1024;

// File bytes [lo, lo + data.size()), read backwards a step at a time.
struct Chunk {
    std::vector<char> data;
    int64_t lo = 0;
    int64_t hi() const { return lo + static_cast<int64_t>(data.size()); }
};

void loadChunk(int fd, int64_t hi, Chunk* chunk) {
    int64_t lo = hi > static_cast<int64_t>(kBackwardStep) ? hi - kBackwardStep : 0;
    chunk->data.resize(static_cast<size_t>(hi - lo));
    chunk->data.resize(readAt(fd, lo, chunk->data.data(), chunk->data.size()));
    chunk->lo = lo;
}

// The start of the line whose line feed is at feedOffset.
int64_t lineStartBefore(int fd, int64_t feedOffset, Chunk* chunk) {
    int64_t searchEnd = feedOffset;
    while (true) {
        if (searchEnd <= chunk->lo || searchEnd > chunk->hi()) {
            loadChunk(fd, searchEnd, chunk);
        }
        size_t span = static_cast<size_t>(searchEnd - chunk->lo);
        const char* feed = findLastByte(chunk->data.data(), '\n', span);
        if (feed != nullptr) {
            return chunk->lo + (feed - chunk->data.data()) + 1;
        }
        if (chunk->lo == 0 || chunk->data.empty()) {
            return 0;
        }
        searchEnd = chunk->lo;
    }
}

bool isHeaderLine(int fd, int64_t start, int64_t feedOffset, Chunk* chunk) {
    int64_t kept = feedOffset - start < static_cast<int64_t>(kMaxLineKept)
                       ? feedOffset
                       : start + static_cast<int64_t>(kMaxLineKept);
    int code = 0;
    if (start >= chunk->lo && kept <= chunk->hi()) {
        const char* text = chunk->data.data() + (start - chunk->lo);
        return parseRowCode(text, text + (kept - start), &code) && isAirportHeader(code);
    }
    std::vector<char> line(static_cast<size_t>(kept - start));
    line.resize(readAt(fd, start, line.data(), line.size()));
    return parseRowCode(line.data(), line.data() + line.size(), &code) && isAirportHeader(code);
}

}  // namespace

int64_t readAirport(int fd, int64_t offset, Airport* airport) {
    LineReader lines(fd, offset);
    if (!lines.next()) {
        return kEndOfFile;
    }
    beginAirport(airport, lines.text());
    while (lines.next()) {
        int code = 0;
        if (!parseRowCode(lines.text(), lines.text() + lines.length(), &code)) {
            continue;
        }
        if (isAirportHeader(code)) {
            return lines.offset();
        }
        addAirportRow(airport, code, lines.text());
    }
    return kEndOfFile;
}

int64_t findAirportStart(int fd, int64_t lineOffset) {
    Chunk chunk;
    int64_t feed = lineOffset - 1;
    while (feed >= 0) {
        int64_t start = lineStartBefore(fd, feed, &chunk);
        if (isHeaderLine(fd, start, feed, &chunk)) {
            return start;
        }
        feed = start - 1;
    }
    return -1;
}
