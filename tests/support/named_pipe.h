// A named pipe where the plug-in expects a file. A reader that opens it the
// ordinary way blocks until a writer comes; so that such a fault fails its
// test instead of hanging the suite, a watchdog thread opens the pipe for
// writing once the time allowed has passed, which lets the blocked reader go
// on (it reads an empty file), and records that it had to.
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
                       std::chrono::milliseconds allowed = std::chrono::milliseconds(3000));
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
