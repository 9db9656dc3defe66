// One stretch of an apt.dat file searched for an airport code: whole lines
// from a line start to a line start (or the end of the file), a block at a
// time. Two stretches of one file can be searched at once, each by its own
// AptScan on its own thread.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "world/airport.h"
#include "world/apt_airport_reader.h"
#include "world/code_finder.h"

class AptScan {
public:
    // [begin, end) of the open file; end kEndOfFile for the rest of the file.
    // The search gives up, finding nothing, once *stop (when given) is set.
    AptScan(int fd, const char* icao, int64_t begin, int64_t end,
            const std::atomic<bool>* stop = nullptr);

    // The first airport, in file order, with a row in the stretch that gives
    // it the code (its header or an "icao_code"/"faa_code" row); its rows may
    // lie outside the stretch. Null when there is none.
    std::unique_ptr<Airport> run();

private:
    enum class Next { Continue, Found, Jump };

    bool fillBlock();
    size_t wholeLinesEnd(bool* overLong) const;
    Next scanBlock(size_t regionEnd);
    Next checkLine(size_t lineStart, size_t lineEnd);
    bool dropThroughLineFeed();
    void growBlock();
    bool stopped() const;

    int fd_;
    const char* icao_;
    size_t length_;
    int64_t end_;
    const std::atomic<bool>* stop_;
    CodeFinder finder_;
    // Every parsed airport is built here; only the one found is copied out.
    std::unique_ptr<Airport> record_;
    std::unique_ptr<char[]> block_;  // not zeroed: only what was read is used
    size_t capacity_;
    int64_t offset_;  // file offset of block_[0], always a line start
    size_t size_ = 0;
    bool eof_ = false;  // the end of the file or of the stretch is in the block
    // Airports before this offset were parsed and are not the one.
    int64_t parsedUntil_ = 0;
};
