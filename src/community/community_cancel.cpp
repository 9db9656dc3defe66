#include "community/community_cancel.h"

#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <thread>

namespace {
// How often the main thread looks whether the worker has finished within
// the grace.
const int kEndPollMilliseconds = 2;
}  // namespace

void CommunityCancel::reset() {
    std::lock_guard<std::mutex> hold(lock);
    requestedAt.store(0, std::memory_order_release);
    cut = false;
}

void CommunityCancel::end(const std::function<bool()>& finished) {
    request();
    while (!finished() && !due()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(kEndPollMilliseconds));
    }
    std::lock_guard<std::mutex> hold(lock);
    cut = true;
    shutOpenSockets();
}

void CommunityCancel::cutOffWhenDue() {
    if (!due()) {
        return;
    }
    std::lock_guard<std::mutex> hold(lock);
    if (!cut) {
        cut = true;
        shutOpenSockets();
    }
}

int CommunityCancel::openSocket(int family, int type, int protocol) {
    std::lock_guard<std::mutex> hold(lock);
    if (cut) {
        return -1;
    }
    int descriptor = socket(family, type, protocol);
    if (descriptor >= 0) {
        sockets.push_back(descriptor);
    }
    return descriptor;
}

int CommunityCancel::closeSocket(int descriptor) {
    std::lock_guard<std::mutex> hold(lock);
    sockets.erase(std::remove(sockets.begin(), sockets.end(), descriptor), sockets.end());
    return close(descriptor);
}

void CommunityCancel::abandonSockets() {
    std::lock_guard<std::mutex> hold(lock);
    shutOpenSockets();
}

void CommunityCancel::shutOpenSockets() {
    // Shut, not closed: libcurl still holds the numbers and closes them
    // itself; a wait on them ends now, and a goodbye cannot be sent.
    for (int descriptor : sockets) {
        shutdown(descriptor, SHUT_RDWR);
    }
}
