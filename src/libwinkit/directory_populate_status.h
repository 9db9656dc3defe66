// What a folder scan shares with the thread that watches it.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

struct DirctoryPopulateStatus {
    // Written by the scan, read by the watcher at any time.
    std::atomic<uint32_t> fileCount{0};
    // Set by the watcher: the scan stops before its next entry.
    std::atomic<bool> cancel{false};
    // Set by the scan when its root folder cannot be opened.
    std::atomic<bool> rootUnreadable{false};
    // Entries the scan left out (too deep, path too long), and the log lines
    // for the first of them. Only the scan writes them; X-Plane's log is
    // written on the main thread, after the scan, by logLeftOut().
    uint32_t entriesLeftOut = 0;
    std::vector<std::string> leftOutLines;

    // Back to a fresh scan's values; not while a scan runs.
    void reset();
    // Logs and forgets the lines the finished scan kept; main thread only.
    void logLeftOut();
};
