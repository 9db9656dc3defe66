// A request to end an exchange with the community server, from the main
// thread (Cancel, the close box, disable, stop) to the worker running it.
// The step under way gets a short grace to finish (a small file's download,
// the server's verdict on it) before the exchange is cut off.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>

class CommunityCancel {
public:
    static constexpr int kGraceMilliseconds = 500;

    // Main thread, before the worker starts.
    void reset() { requestedAt.store(0, std::memory_order_release); }
    // Any thread; a second request keeps the first one's time.
    void request() {
        int64_t expected = 0;
        requestedAt.compare_exchange_strong(expected, now(), std::memory_order_acq_rel);
    }
    bool requested() const { return requestedAt.load(std::memory_order_acquire) != 0; }
    // Requested, and the grace has gone by: the exchange ends now.
    bool due() const {
        int64_t at = requestedAt.load(std::memory_order_acquire);
        return at != 0 && now() - at >= int64_t(kGraceMilliseconds) * 1000000;
    }

private:
    // Nanoseconds of the steady clock, never 0.
    static int64_t now() {
        int64_t ticks = std::chrono::duration_cast<std::chrono::nanoseconds>(
                            std::chrono::steady_clock::now().time_since_epoch())
                            .count();
        return ticks != 0 ? ticks : 1;
    }

    std::atomic<int64_t> requestedAt{0};
};
