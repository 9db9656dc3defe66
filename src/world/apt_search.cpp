#include "world/apt_search.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <system_error>
#include <thread>
#include <vector>

#include "shell/regular_file.h"
#include "shell/strings.h"
#include "world/apt_scan.h"
#include "world/line_reader.h"

namespace {

const size_t kFeedSearchStep = 64 * 1024;
// Four cores fetch the global airport file's bytes from memory about as fast
// as more would.
const unsigned kMostParts = 4;

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

// The start of the first line that begins at or after offset, or -1 when no
// line feed follows.
int64_t lineStartFrom(int fd, int64_t offset) {
    std::unique_ptr<char[]> step(new char[kFeedSearchStep]);
    for (int64_t at = offset - 1;;) {
        size_t got = readAt(fd, at, step.get(), kFeedSearchStep);
        if (got == 0) {
            return -1;
        }
        const void* feed = memchr(step.get(), '\n', got);
        if (feed != nullptr) {
            return at + (static_cast<const char*>(feed) - step.get()) + 1;
        }
        at += static_cast<int64_t>(got);
    }
}

// Where the parts begin: the first at 0, each other at the first line start
// after its share of the file. As many parts as the processor has cores, up to
// kMostParts; fewer when lines are longer than the shares.
std::vector<int64_t> partStarts(int fd, int64_t size) {
    unsigned cores = std::thread::hardware_concurrency();
    int64_t parts = cores == 0 ? 2 : (cores < kMostParts ? cores : kMostParts);
    std::vector<int64_t> starts{0};
    for (int64_t part = 1; part < parts; ++part) {
        int64_t start = lineStartFrom(fd, size * part / parts + 1);
        if (start > starts.back() && start < size) {
            starts.push_back(start);
        }
    }
    return starts;
}

// The parts at once, each but the first on a thread of its own. The airport
// to give is the first part's find, else the second's, and so on: a part finds
// the first airport that takes the code in one of its rows, and an airport
// found by a later part comes after every airport an earlier part can find,
// also when it begins in an earlier part. A part stops once an earlier one has
// found its airport.
std::unique_ptr<Airport> searchParts(int fd, const char* icao,
                                     const std::vector<int64_t>& starts) {
    size_t parts = starts.size();
    std::unique_ptr<std::atomic<bool>[]> stop(new std::atomic<bool>[parts]);
    std::vector<std::unique_ptr<Airport>> found(parts);
    for (size_t i = 0; i < parts; ++i) {
        stop[i].store(false);
    }
    auto search = [&](size_t i) {
        int64_t end = i + 1 < parts ? starts[i + 1] : kEndOfFile;
        found[i] = AptScan(fd, icao, starts[i], end, &stop[i]).run();
        if (found[i]) {
            for (size_t later = i + 1; later < parts; ++later) {
                stop[later].store(true, std::memory_order_relaxed);
            }
        }
    };
    std::vector<std::thread> workers;
    size_t started = 1;
    try {
        for (; started < parts; ++started) {
            workers.emplace_back(search, started);
        }
    } catch (const std::system_error&) {
        // Fewer threads to be had: the parts left over after the others.
    }
    search(0);
    for (std::thread& worker : workers) {
        worker.join();
    }
    for (size_t i = started; i < parts; ++i) {
        search(i);
    }
    for (std::unique_ptr<Airport>& airport : found) {
        if (airport) {
            return std::move(airport);
        }
    }
    return nullptr;
}

}  // namespace

std::unique_ptr<Airport> searchAptFile(const std::string& path, const char* icao) {
    return searchAptFile(path, icao, kSplitSearchSize);
}

std::unique_ptr<Airport> searchAptFile(const std::string& path, const char* icao,
                                       int64_t splitFrom) {
    if (icao == nullptr || !isSearchable(icao)) {
        return nullptr;
    }
    FileHandle file(path);
    struct stat status;
    if (file.fd() < 0 || fstat(file.fd(), &status) != 0) {
        return nullptr;
    }
    int64_t size = static_cast<int64_t>(status.st_size);
    if (size > 0 && size >= splitFrom) {
        std::vector<int64_t> starts = partStarts(file.fd(), size);
        if (starts.size() > 1) {
            return searchParts(file.fd(), icao, starts);
        }
    }
    return AptScan(file.fd(), icao, 0, kEndOfFile).run();
}
