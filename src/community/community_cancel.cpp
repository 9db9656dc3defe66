#include "community/community_cancel.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

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

CommunityCancel::~CommunityCancel() {
    for (const HeldSocket& held : sockets) {
        close(held.duplicate);
    }
}

int CommunityCancel::openSocket(int family, int type, int protocol) {
    std::lock_guard<std::mutex> hold(lock);
    if (cut.load(std::memory_order_acquire)) {
        return -1;
    }
    int descriptor = socket(family, type, protocol);
    if (descriptor < 0) {
        return descriptor;
    }
    // A number given out again was let go of by libcurl unannounced.
    releaseClosed();
    int duplicate = fcntl(descriptor, F_DUPFD_CLOEXEC, 0);
    if (duplicate < 0) {
        close(descriptor);
        return -1;
    }
    sockets.push_back({descriptor, duplicate});
    return descriptor;
}

int CommunityCancel::closeSocket(int descriptor) {
    std::lock_guard<std::mutex> hold(lock);
    for (auto it = sockets.begin(); it != sockets.end();) {
        if (it->number == descriptor) {
            close(it->duplicate);
            it = sockets.erase(it);
        } else {
            ++it;
        }
    }
    return close(descriptor);
}

void CommunityCancel::abandonSockets() {
    std::lock_guard<std::mutex> hold(lock);
    releaseClosed();
    shutOpenSockets();
}

void CommunityCancel::releaseClosedSockets() {
    std::lock_guard<std::mutex> hold(lock);
    releaseClosed();
}

void CommunityCancel::shutOpenSockets() {
    // Shut, not closed: libcurl still holds its numbers and closes them
    // itself; a wait on them ends now, and a goodbye cannot be sent. Only
    // the duplicates are touched: this runs on the main thread too, while
    // libcurl may be closing its numbers on the worker's.
    for (const HeldSocket& held : sockets) {
        shutdown(held.duplicate, SHUT_RDWR);
    }
}

void CommunityCancel::releaseClosed() {
    // Looks at libcurl's numbers, so only on the worker's thread, where
    // libcurl closes them. A number still names the socket while both name
    // one inode (the duplicate keeps that inode from being given to another).
    for (auto it = sockets.begin(); it != sockets.end();) {
        struct stat own;
        struct stat numbered;
        bool held = fstat(it->duplicate, &own) == 0 && fstat(it->number, &numbered) == 0 &&
                    own.st_dev == numbered.st_dev && own.st_ino == numbered.st_ino;
        if (held) {
            ++it;
        } else {
            close(it->duplicate);
            it = sockets.erase(it);
        }
    }
}
