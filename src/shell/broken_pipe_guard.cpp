#include "shell/broken_pipe_guard.h"

#include <pthread.h>
#include <ctime>

namespace {
sigset_t brokenPipeSet() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGPIPE);
    return set;
}

bool brokenPipePending() {
    sigset_t pending;
    sigemptyset(&pending);
    return sigpending(&pending) == 0 && sigismember(&pending, SIGPIPE) == 1;
}
}  // namespace

BrokenPipeGuard::BrokenPipeGuard() {
    sigset_t set = brokenPipeSet();
    pthread_sigmask(SIG_BLOCK, &set, &previousMask);
    pendingBefore = brokenPipePending();
}

BrokenPipeGuard::~BrokenPipeGuard() {
    // Only a signal raised under the guard is ours to drain.
    if (!pendingBefore && brokenPipePending()) {
        sigset_t set = brokenPipeSet();
        struct timespec none = {0, 0};
        sigtimedwait(&set, nullptr, &none);
    }
    pthread_sigmask(SIG_SETMASK, &previousMask, nullptr);
}
