#include "support/named_pipe.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

NamedPipe::NamedPipe(const std::string& path, std::chrono::milliseconds allowed)
    : path_(path), allowed_(allowed) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::filesystem::remove(path);
    mkfifo(path.c_str(), 0644);
    watchdog_ = std::thread([this] { watch(); });
}

NamedPipe::~NamedPipe() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    stop_.notify_all();
    watchdog_.join();
    unlink(path_.c_str());
}

bool NamedPipe::stillThere() const {
    struct stat status;
    return lstat(path_.c_str(), &status) == 0 && S_ISFIFO(status.st_mode);
}

void NamedPipe::watch() {
    std::unique_lock<std::mutex> lock(mutex_);
    if (stop_.wait_for(lock, allowed_, [this] { return stopping_; })) {
        return;
    }
    // From now on every reader waiting in open is let through. Opening for
    // writing without blocking succeeds only while a reader has it open.
    while (!stop_.wait_for(lock, std::chrono::milliseconds(10), [this] { return stopping_; })) {
        int fd = open(path_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0) {
            released_ = true;
            close(fd);
        }
    }
}
