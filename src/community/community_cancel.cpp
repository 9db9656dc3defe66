#include "community/community_cancel.h"

#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>

void CommunityCancel::cutOffWhenDue() {
    if (!cut.load(std::memory_order_acquire) && requested() && due()) {
        cutOff();
    }
}

void CommunityCancel::cutOff() {
    request();
    std::lock_guard<std::mutex> hold(lock);
    if (!cut.load(std::memory_order_acquire)) {
        cut.store(true, std::memory_order_release);
        shutOpenSockets();
    }
}

int CommunityCancel::openSocket(int family, int type, int protocol) {
    std::lock_guard<std::mutex> hold(lock);
    if (cut.load(std::memory_order_acquire)) {
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
