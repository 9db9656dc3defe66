// The moving average every noisy input of the engine goes through.
#include <gtest/gtest.h>

#include <vector>

#include "positioning/transitions/smoother.h"

namespace {

std::vector<float> feed(Smoother* s, int window, float value, int times) {
    std::vector<float> results;
    for (int i = 0; i < times; ++i) {
        results.push_back(smoothValue(s, window, value));
    }
    return results;
}

TEST(Smoother, AveragesRampUpAndFollowWindowChanges) {
    Smoother off;
    EXPECT_FLOAT_EQ(smoothValue(&off, 0, 7.5f), 7.5f);
    EXPECT_EQ(off.count, 0);

    Smoother s;
    initSmoother(&s);
    EXPECT_EQ(feed(&s, 4, 1.0f, 5), (std::vector<float>{0.25f, 0.5f, 0.75f, 1.0f, 1.0f}));

    Smoother frameRate;
    primeSmoother(&frameRate, 100, 30.0f);
    EXPECT_NEAR(smoothValue(&frameRate, 100, 60.0f), 30.3f, 1e-4);

    // Narrower: the oldest values go at once.
    Smoother narrowed;
    initSmoother(&narrowed);
    feed(&narrowed, 10, 1.0f, 11);
    EXPECT_FLOAT_EQ(smoothValue(&narrowed, 4, 1.0f), 1.0f);
    EXPECT_EQ(narrowed.count, 4);

    // Wider: nothing is dropped, the new window fills.
    Smoother widened;
    initSmoother(&widened);
    feed(&widened, 4, 1.0f, 10);
    std::vector<float> filling = feed(&widened, 10, 1.0f, 7);
    std::vector<float> expected = {0.5f, 0.6f, 0.7f, 0.8f, 0.9f, 1.0f, 1.0f};
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(filling[i], expected[i], 1e-6) << i;
    }
}

TEST(Smoother, WindowsBeyondTheRingStayWithinIt) {
    // A hand-edited settings file can name any window; the ring holds 500.
    Smoother s;
    initSmoother(&s);
    for (int i = 0; i < 2000; ++i) {
        smoothValue(&s, 100000, static_cast<float>(i % 2));
    }
    EXPECT_LE(s.count, kSmootherRing);
    EXPECT_NEAR(smoothValue(&s, 100000, 1.0f), 0.5f, 0.01f);

    Smoother primed;
    primeSmoother(&primed, 5000, 2.0f);
    EXPECT_LE(primed.count, kSmootherRing);
    EXPECT_FLOAT_EQ(smoothValue(&primed, 5000, 2.0f), 2.0f);
}

}  // namespace
