// The monitors' rectangles as X-Plane reports them, and reports that would
// not fit the record.
#include <gtest/gtest.h>

#include "panels/monitor_bounds.h"
#include "sim/sim_fixture.h"

namespace {

// The record between two guards that a write past its arrays would change.
struct GuardedBounds {
    int before[kMaxMonitors] = {};
    MonitorBounds bounds = {};
    int after[kMaxMonitors] = {};

    bool guardsIntact() const {
        for (int i = 0; i < kMaxMonitors; ++i) {
            if (before[i] != 0 || after[i] != 0) {
                return false;
            }
        }
        return true;
    }
};

class MonitorBoundsTest : public SimTest {};

TEST_F(MonitorBoundsTest, SlotsOutsideTheRecordAreIgnored) {
    GuardedBounds g;
    g.bounds.sequential = false;
    reciveBounds(-1, 1, 2, 3, 4, &g.bounds);
    reciveBounds(kMaxMonitors, 1, 2, 3, 4, &g.bounds);
    reciveBounds(1000, 1, 2, 3, 4, &g.bounds);
    EXPECT_EQ(g.bounds.count, 0);
    EXPECT_TRUE(g.guardsIntact());

    // In operating-system order the index is the slot, even for the first.
    reciveBounds(2, 10, 20, 30, 0, &g.bounds);
    EXPECT_EQ(g.bounds.count, 1);
    EXPECT_EQ(g.bounds.left[2], 10);
    EXPECT_EQ(g.bounds.top[2], 20);
    EXPECT_EQ(g.bounds.right[2], 30);

    // In order of arrival the sixteenth monitor and those after it are not stored.
    GuardedBounds s;
    s.bounds.sequential = true;
    for (int i = 0; i < kMaxMonitors + 5; ++i) {
        reciveBounds(i, i, 100, i + 1, 0, &s.bounds);
    }
    EXPECT_EQ(s.bounds.count, kMaxMonitors);
    EXPECT_EQ(s.bounds.left[kMaxMonitors - 1], kMaxMonitors - 1);
    EXPECT_TRUE(s.guardsIntact());
}

TEST_F(MonitorBoundsTest, SixteenMonitorsFillTheRecordAndNoMore) {
    for (int i = 0; i < 16; ++i) {
        xpsim::setMonitor(i, i * 100, 100, i * 100 + 100, 0);
    }
    GuardedBounds g;
    getMonitorBounds(&g.bounds);
    EXPECT_EQ(g.bounds.count, kMaxMonitors);
    EXPECT_TRUE(g.bounds.sequential);
    EXPECT_TRUE(g.guardsIntact());

    GuardedBounds os;
    getMonitorBoundsOS(&os.bounds);
    EXPECT_EQ(os.bounds.count, kMaxMonitors);
    EXPECT_FALSE(os.bounds.sequential);
    EXPECT_TRUE(os.guardsIntact());
}

TEST_F(MonitorBoundsTest, OneScreenIsMonitorZero) {
    xpsim::setScreenSize(1280, 720);
    MonitorBounds bounds;
    getMonitorBounds(&bounds);
    ASSERT_EQ(bounds.count, 1);
    EXPECT_EQ(bounds.left[0], 0);
    EXPECT_EQ(bounds.top[0], 720);
    EXPECT_EQ(bounds.right[0], 1280);
    EXPECT_EQ(bounds.bottom[0], 0);
}

}  // namespace
