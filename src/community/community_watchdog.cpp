#include "community/community_watchdog.h"

#include <sys/socket.h>

#include <cstdio>

#include "community/community_sockets.h"

namespace {
using Clock = std::chrono::steady_clock;
// How often a socket that ftplib has not made yet is looked for again.
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
    wakeUp.notify_all();
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
    wakeUp.notify_all();
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
    wakeUp.notify_all();
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
        if (expired()) {
            // ftplib may not have made the socket it is opening yet.
            if (opening && !openingClaimed && !claimOpening()) {
                wakeUp.wait_for(hold, kLookAgain);
            } else {
                wakeUp.wait(hold);
            }
            continue;
        }
        Clock::time_point next = Clock::time_point::max();
        if (hasStepDeadline) {
            next = stepDeadline;
        }
        if (hasCancelDeadline && cancelDeadline < next) {
            next = cancelDeadline;
        }
        if (next == Clock::time_point::max()) {
            wakeUp.wait(hold);
        } else {
            wakeUp.wait_until(hold, next);
        }
    }
}
