#include "support/named_pipe.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

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

namespace {
// A thread of this process is waiting in open for the other end of a pipe.
bool aThreadWaitsForAWriter() {
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task", error)) {
        std::ifstream wchan(task.path() / "wchan");
        std::string where;
        if (std::getline(wchan, where) && where == "wait_for_partner") {
            return true;
        }
    }
    return false;
}
}  // namespace

void NamedPipe::watch() {
    std::unique_lock<std::mutex> lock(mutex_);
    auto deadline = std::chrono::steady_clock::now() + allowed_;
    while (!stop_.wait_for(lock, std::chrono::milliseconds(10), [this] { return stopping_; })) {
        if (!aThreadWaitsForAWriter() && std::chrono::steady_clock::now() < deadline) {
            continue;
        }
        // Opening for writing without blocking succeeds only while a reader
        // has the pipe open, and lets a reader waiting in open go on.
        int fd = open(path_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0) {
            released_ = true;
            close(fd);
        }
    }
}
