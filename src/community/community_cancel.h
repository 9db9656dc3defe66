// A request to end an exchange with the community server, from the main
// thread (Cancel, the close box, disable, stop) to the worker running it
// (community_worker.h). The step under way gets a short grace to finish (a
// small file's download, the server's verdict on it) before the exchange is
// cut off.
//
// It also holds the sockets the exchange has open (libcurl opens and closes
// them through the exchange's callbacks), so that the exchange can be cut off
// from outside: shutting them ends every wait on the server at once, libcurl's
// own blocking ones included, and leaves no goodbye to wait for.
//
// libcurl does not always say when it closes one (7.88 closes a data
// connection it gave up on directly), and the number goes to whatever the
// process opens next: X-Plane's sockets, another plug-in's, the next
// exchange's. So each socket is held by a duplicate of its own, which is what
// gets shut: it can only ever name this exchange's socket.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <vector>

class CommunityCancel {
public:
    static constexpr int kGraceMilliseconds = 500;

    CommunityCancel() = default;
    CommunityCancel(const CommunityCancel&) = delete;
    CommunityCancel& operator=(const CommunityCancel&) = delete;
    // Closes the duplicates still held.
    ~CommunityCancel();

    // Any thread; a second request keeps the first one's time.
    void request() {
        int64_t expected = 0;
        requestedAt.compare_exchange_strong(expected, now(), std::memory_order_acq_rel);
    }
    bool requested() const { return requestedAt.load(std::memory_order_acquire) != 0; }
    // Requested and the grace has gone by, or cut off: the exchange ends now.
    bool due() const {
        if (cut.load(std::memory_order_acquire)) {
            return true;
        }
        int64_t at = requestedAt.load(std::memory_order_acquire);
        return at != 0 && now() - at >= int64_t(kGraceMilliseconds) * 1000000;
    }

    // Main thread, every frame: cuts the exchange off once the grace after a
    // request has gone by.
    void cutOffWhenDue();
    // Main thread: requests the end and cuts the exchange off now (a disabled
    // or stopping plug-in has no later frame to wait for). The worker then
    // ends at once.
    void cutOff();

    // The worker, from libcurl's socket callbacks: a new socket of the
    // exchange (-1 once it is cut off), and the end of one.
    int openSocket(int family, int type, int protocol);
    int closeSocket(int socket);
    // The worker: shuts the sockets open now; the exchange may open new ones.
    void abandonSockets();
    // The worker, as libcurl runs: lets go of the sockets libcurl closed
    // without saying so, which the duplicates would otherwise keep open.
    void releaseClosedSockets();

private:
    // Nanoseconds of the steady clock, never 0.
    static int64_t now() {
        int64_t ticks = std::chrono::duration_cast<std::chrono::nanoseconds>(
                            std::chrono::steady_clock::now().time_since_epoch())
                            .count();
        return ticks != 0 ? ticks : 1;
    }
    // libcurl's number for a socket, and the exchange's own duplicate.
    struct HeldSocket {
        int number;
        int duplicate;
    };

    // Each with the lock held.
    void shutOpenSockets();
    void releaseClosed();

    std::atomic<int64_t> requestedAt{0};
    std::mutex lock;
    std::vector<HeldSocket> sockets;
    // Set with the lock held; once set, no socket is opened.
    std::atomic<bool> cut{false};
};
