// Keeps a dropped connection from killing X-Plane: writing to a socket or pipe
// whose other end went away raises SIGPIPE, whose default action ends the
// process. While a guard lives, SIGPIPE is blocked in the calling thread only
// (X-Plane's own handling stays as it is); one raised meanwhile is drained
// before the thread's mask is put back, so the write just fails with EPIPE.
#pragma once

#include <csignal>

class BrokenPipeGuard {
public:
    BrokenPipeGuard();
    ~BrokenPipeGuard();
    BrokenPipeGuard(const BrokenPipeGuard&) = delete;
    BrokenPipeGuard& operator=(const BrokenPipeGuard&) = delete;

private:
    sigset_t previousMask;
    bool pendingBefore = false;
};
