// A named pipe where the plug-in expects a file. A reader that opens it the
// ordinary way blocks until a writer comes; so that such a fault fails its
// test instead of hanging the suite, a watchdog thread opens the pipe for
// writing as soon as a thread of the process waits in open for a writer (the
// kernel names that wait in /proc), which lets the blocked reader go on (it
// reads an empty file), and records that it had to. An open that does not
// block (to look at what the path is) never counts. Where the kernel does not
// name the wait, the same is done once the time allowed has passed, a safety
// net far beyond any test's own run.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

class NamedPipe {
public:
    explicit NamedPipe(const std::string& path,
                       std::chrono::milliseconds allowed = std::chrono::milliseconds(60000));
    ~NamedPipe();
    NamedPipe(const NamedPipe&) = delete;
    NamedPipe& operator=(const NamedPipe&) = delete;

    // True once a reader was found blocked in open and had to be released.
    bool releasedABlockedReader() const { return released_; }
    // The path is still a named pipe (no save replaced it).
    bool stillThere() const;

private:
    void watch();

    std::string path_;
    std::chrono::milliseconds allowed_;
    std::atomic<bool> released_{false};
    std::mutex mutex_;
    std::condition_variable stop_;
    bool stopping_ = false;
    std::thread watchdog_;
};
