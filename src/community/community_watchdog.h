// Bounds an exchange with the community server from outside the worker that
// runs it. The worker names a limit before each step (a reply, a transfer's
// progress); when the limit passes, or the exchange is cancelled and a short
// grace has gone by, the watchdog's thread shuts the exchange's sockets down,
// which wakes the worker wherever ftplib holds it, and every later call on
// the connection fails at once. Owned by the main thread, which cancels it;
// the worker only borrows it.
#pragma once

#include <netinet/in.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>

class CommunityWatchdog {
public:
    // Time a step under way gets to finish after a cancel (a small file's
    // download, the server's reply to it) before its sockets are shut down.
    static constexpr int kCancelGraceMilliseconds = 500;

    CommunityWatchdog();
    ~CommunityWatchdog();
    CommunityWatchdog(const CommunityWatchdog&) = delete;
    CommunityWatchdog& operator=(const CommunityWatchdog&) = delete;

    // Any thread.
    void cancel();
    bool cancelled() const { return cancelFlag.load(std::memory_order_acquire); }
    // A limit passed or a cancel's grace ran out.
    bool expired() const { return expiredFlag.load(std::memory_order_acquire); }

    // The worker's. The step now starting has this long; 0: no step runs.
    // why says what went wrong if it runs out, with %d for the seconds.
    void limit(int seconds, const char* why);
    // Why the exchange ended: the last limit's text, or empty when it did not
    // run out (a cancel, or no limit passed).
    std::string timedOutReason() const;

    // Around an ftplib call that opens the control or a data connection's
    // socket to peer (to its port as well when matchPort): waits for the
    // other exchanges' openings (false, and nothing to end, when the watchdog
    // expired meanwhile), and afterwards claims the new socket.
    enum Kind { kControl = 0, kData = 1 };
    bool beginOpening(Kind kind, const sockaddr_in& peer, bool matchPort);
    void endOpening();
    // The connection's data socket or every socket is closed by ftplib now.
    void releaseData();
    void releaseAll();

private:
    void run();
    void shutDownAll();
    bool claimOpening();

    mutable std::mutex lock;
    std::atomic<bool> cancelFlag{false};
    std::atomic<bool> expiredFlag{false};
    bool stopping = false;
    bool hasStepDeadline = false;
    std::chrono::steady_clock::time_point stepDeadline;
    bool hasCancelDeadline = false;
    std::chrono::steady_clock::time_point cancelDeadline;
    std::string stepReason;
    std::string expiredReason;
    // The socket an ftplib call is opening now.
    bool opening = false;
    bool openingClaimed = false;
    Kind openingKind = kControl;
    sockaddr_in openingPeer = {};
    bool openingMatchesPort = false;
    int sockets[2] = {-1, -1};
    std::thread thread;
};
