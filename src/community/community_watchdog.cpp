#include "community/community_watchdog.h"

#include <sys/socket.h>

#include <cstdio>
#include <thread>

#include "community/community_sockets.h"

namespace {
using Clock = std::chrono::steady_clock;
// How often the deadlines are checked, and a socket that ftplib has not made
// yet is looked for again. The thread polls rather than waiting on a condition
// variable: the timed and untimed waits of GCC 12's headers need a newer C and
// C++ library of the system than the rest of the module does (the README's
// table of what the module needs to load).
const std::chrono::milliseconds kLookAgain(20);
// How often a worker waiting for another exchange's opening checks its own.
const std::chrono::milliseconds kOpeningWait(20);
}  // namespace

CommunityWatchdog::CommunityWatchdog() : thread(&CommunityWatchdog::run, this) {}

CommunityWatchdog::~CommunityWatchdog() {
    {
        std::lock_guard<std::mutex> hold(lock);
        stopping = true;
    }
    thread.join();
    releaseAll();
}

void CommunityWatchdog::cancel() {
    {
        std::lock_guard<std::mutex> hold(lock);
        if (!cancelFlag.load(std::memory_order_relaxed)) {
            cancelFlag.store(true, std::memory_order_release);
            hasCancelDeadline = true;
            cancelDeadline = Clock::now() + std::chrono::milliseconds(kCancelGraceMilliseconds);
        }
    }
}

void CommunityWatchdog::limit(int seconds, const char* why) {
    {
        std::lock_guard<std::mutex> hold(lock);
        hasStepDeadline = seconds > 0;
        stepDeadline = Clock::now() + std::chrono::seconds(seconds);
        char text[256];
        snprintf(text, sizeof(text), why, seconds);
        stepReason = text;
    }
}

std::string CommunityWatchdog::timedOutReason() const {
    std::lock_guard<std::mutex> hold(lock);
    return expiredReason;
}

bool CommunityWatchdog::beginOpening(Kind kind, const sockaddr_in& peer, bool matchPort) {
    while (!beginSocketOpening(kOpeningWait)) {
        if (expired()) {
            return false;
        }
    }
    std::lock_guard<std::mutex> hold(lock);
    opening = true;
    openingClaimed = false;
    openingKind = kind;
    openingPeer = peer;
    openingMatchesPort = matchPort;
    return true;
}

void CommunityWatchdog::endOpening() {
    {
        std::lock_guard<std::mutex> hold(lock);
        if (!openingClaimed) {
            claimOpening();
        }
        opening = false;
    }
    endSocketOpening();
}

bool CommunityWatchdog::claimOpening() {
    int& socket = sockets[openingKind];
    releaseSocket(socket);
    socket = claimSocketTo(openingPeer, openingMatchesPort);
    openingClaimed = socket >= 0;
    if (openingClaimed && expired()) {
        shutdown(socket, SHUT_RDWR);
    }
    return openingClaimed;
}

void CommunityWatchdog::releaseData() {
    std::lock_guard<std::mutex> hold(lock);
    releaseSocket(sockets[kData]);
    sockets[kData] = -1;
}

void CommunityWatchdog::releaseAll() {
    std::lock_guard<std::mutex> hold(lock);
    for (int& socket : sockets) {
        releaseSocket(socket);
        socket = -1;
    }
}

void CommunityWatchdog::shutDownAll() {
    for (int socket : sockets) {
        if (socket >= 0) {
            shutdown(socket, SHUT_RDWR);
        }
    }
}

void CommunityWatchdog::run() {
    std::unique_lock<std::mutex> hold(lock);
    while (!stopping) {
        Clock::time_point now = Clock::now();
        if (!expired()) {
            bool stepOver = hasStepDeadline && now >= stepDeadline;
            bool graceOver = hasCancelDeadline && now >= cancelDeadline;
            if (stepOver || graceOver) {
                expiredReason = graceOver ? std::string() : stepReason;
                expiredFlag.store(true, std::memory_order_release);
                shutDownAll();
            }
        }
        // ftplib may not have made the socket it is opening yet.
        if (expired() && opening && !openingClaimed) {
            claimOpening();
        }
        hold.unlock();
        std::this_thread::sleep_for(kLookAgain);
        hold.lock();
    }
}
