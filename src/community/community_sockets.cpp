#include "community/community_sockets.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <vector>

namespace {
struct SocketEnds {
    sockaddr_in local;
    sockaddr_in peer;
};

std::mutex openingLock;
bool openingHeld = false;

std::mutex registryLock;
// The duplicates handed out, with the ends they had when claimed.
std::vector<std::pair<int, SocketEnds>> claimed;
std::vector<int> ownSockets;

bool sameAddress(const sockaddr_in& a, const sockaddr_in& b, bool matchPort) {
    return a.sin_addr.s_addr == b.sin_addr.s_addr && (!matchPort || a.sin_port == b.sin_port);
}

bool sameEnds(const SocketEnds& a, const SocketEnds& b) {
    return sameAddress(a.local, b.local, true) && sameAddress(a.peer, b.peer, true);
}

// The ends of a connected IPv4 stream socket (ftplib connects over IPv4 only).
bool endsOf(int descriptor, SocketEnds* ends) {
    int type = 0;
    socklen_t length = sizeof(type);
    if (getsockopt(descriptor, SOL_SOCKET, SO_TYPE, &type, &length) != 0 || type != SOCK_STREAM) {
        return false;
    }
    socklen_t localLength = sizeof(ends->local);
    socklen_t peerLength = sizeof(ends->peer);
    return getsockname(descriptor, reinterpret_cast<sockaddr*>(&ends->local), &localLength) == 0 &&
           getpeername(descriptor, reinterpret_cast<sockaddr*>(&ends->peer), &peerLength) == 0 &&
           ends->local.sin_family == AF_INET && ends->peer.sin_family == AF_INET;
}

bool isClaimed(const SocketEnds& ends) {
    for (const auto& entry : claimed) {
        if (sameEnds(entry.second, ends)) {
            return true;
        }
    }
    return false;
}

// Every open descriptor of the process.
template <typename Visit>
void forEachDescriptor(Visit visit) {
#ifdef __linux__
    if (DIR* listing = opendir("/proc/self/fd")) {
        int own = dirfd(listing);
        while (struct dirent* entry = readdir(listing)) {
            if (entry->d_name[0] >= '0' && entry->d_name[0] <= '9') {
                int descriptor = atoi(entry->d_name);
                if (descriptor != own) {
                    visit(descriptor);
                }
            }
        }
        closedir(listing);
        return;
    }
#endif
    for (int descriptor = 0, end = getdtablesize(); descriptor < end; ++descriptor) {
        visit(descriptor);
    }
}
}  // namespace

bool beginSocketOpening(std::chrono::milliseconds wait) {
    // Polled, as the watchdog does: a timed condition-variable wait would
    // need a newer C library of the system.
    std::chrono::steady_clock::time_point end = std::chrono::steady_clock::now() + wait;
    for (;;) {
        {
            std::lock_guard<std::mutex> hold(openingLock);
            if (!openingHeld) {
                openingHeld = true;
                return true;
            }
        }
        if (std::chrono::steady_clock::now() >= end) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

void endSocketOpening() {
    std::lock_guard<std::mutex> hold(openingLock);
    openingHeld = false;
}

int claimSocketTo(const sockaddr_in& peer, bool matchPort) {
    std::lock_guard<std::mutex> hold(registryLock);
    int found = -1;
    SocketEnds foundEnds = {};
    bool ambiguous = false;
    forEachDescriptor([&](int descriptor) {
        SocketEnds ends;
        bool own = std::find(ownSockets.begin(), ownSockets.end(), descriptor) != ownSockets.end();
        if (own || !endsOf(descriptor, &ends) || !sameAddress(ends.peer, peer, matchPort) ||
            isClaimed(ends)) {
            return;
        }
        // Two descriptors of one socket are still one socket.
        ambiguous = ambiguous || (found >= 0 && !sameEnds(ends, foundEnds));
        found = descriptor;
        foundEnds = ends;
    });
    if (found < 0 || ambiguous) {
        return -1;
    }
    // Above the numbers select() can take, where there is room: ftplib's own
    // descriptors keep the low ones.
    int duplicate = fcntl(found, F_DUPFD_CLOEXEC, FD_SETSIZE);
    if (duplicate < 0) {
        duplicate = fcntl(found, F_DUPFD_CLOEXEC, 0);
    }
    SocketEnds duplicateEnds;
    if (duplicate >= 0 && !(endsOf(duplicate, &duplicateEnds) && sameEnds(duplicateEnds, foundEnds))) {
        // The number was closed and reused since it was looked at.
        close(duplicate);
        duplicate = -1;
    }
    if (duplicate >= 0) {
        claimed.emplace_back(duplicate, foundEnds);
    }
    return duplicate;
}

void releaseSocket(int duplicate) {
    if (duplicate < 0) {
        return;
    }
    std::lock_guard<std::mutex> hold(registryLock);
    for (auto at = claimed.begin(); at != claimed.end(); ++at) {
        if (at->first == duplicate) {
            claimed.erase(at);
            break;
        }
    }
    close(duplicate);
}

void markOwnSocket(int descriptor) {
    std::lock_guard<std::mutex> hold(registryLock);
    ownSockets.push_back(descriptor);
}

void closeOwnSocket(int descriptor) {
    // Closed while no claim looks: the number may be reused at once.
    std::lock_guard<std::mutex> hold(registryLock);
    ownSockets.erase(std::remove(ownSockets.begin(), ownSockets.end(), descriptor),
                     ownSockets.end());
    close(descriptor);
}
