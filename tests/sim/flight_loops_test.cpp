#include <vector>

#include "sim_fixture.h"

namespace {

struct Call {
    float sinceLastCall;
    float sinceLastLoop;
    int counter;
    double time;
};

struct Recorder {
    std::vector<Call> calls;
    std::vector<float> returns;  // consumed in order; 0 once exhausted
    XPLMFlightLoopID created = nullptr;
    std::vector<int>* order = nullptr;
    int tag = 0;
};

float record(float sinceLastCall, float sinceLastLoop, int counter, void* refcon) {
    auto* r = static_cast<Recorder*>(refcon);
    r->calls.push_back({sinceLastCall, sinceLastLoop, counter, xpsim::simTime()});
    if (r->order) r->order->push_back(r->tag);
    size_t n = r->calls.size() - 1;
    return n < r->returns.size() ? r->returns[n] : 0.0f;
}

float unregisterSelf(float, float, int, void* refcon) {
    ++static_cast<Recorder*>(refcon)->calls.emplace_back().counter;
    XPLMUnregisterFlightLoopCallback(unregisterSelf, refcon);
    return -1;
}

float destroySelf(float, float, int, void* refcon) {
    auto* r = static_cast<Recorder*>(refcon);
    r->calls.push_back({});
    XPLMDestroyFlightLoop(r->created);
    return -1;
}

// Registers another loop and schedules itself far away; the return value wins.
float registerOther(float, float, int, void* refcon) {
    auto* r = static_cast<Recorder*>(refcon);
    r->calls.push_back({});
    if (r->calls.size() == 1) XPLMRegisterFlightLoopCallback(record, -1, r + 1);
    XPLMSetFlightLoopCallbackInterval(registerOther, 100, 1, refcon);
    return -1;
}

using SimFlightLoops = SimTest;

TEST_F(SimFlightLoops, ArgumentsFollowTheSimulatedClock) {
    Recorder r;
    r.returns = {-1, 0.05f, -2};
    XPLMRegisterFlightLoopCallback(record, -1, &r);
    xpsim::runFrames(10);  // 60 fps
    ASSERT_EQ(r.calls.size(), 4u);
    EXPECT_NEAR(r.calls[0].sinceLastCall, 1.0 / 60, 1e-6);  // since registration
    EXPECT_NEAR(r.calls[0].sinceLastLoop, 1.0 / 60, 1e-6);
    EXPECT_EQ(r.calls[0].counter, 1);
    EXPECT_EQ(r.calls[1].counter, 2);
    // 0.05 s is three frames.
    EXPECT_EQ(r.calls[2].counter, 5);
    EXPECT_NEAR(r.calls[2].sinceLastCall, 0.05, 1e-6);
    EXPECT_EQ(r.calls[3].counter, 7);
    EXPECT_NEAR(r.calls[3].sinceLastCall, 2.0 / 60, 1e-6);
    EXPECT_EQ(XPLMGetCycleNumber(), 10);
    EXPECT_FLOAT_EQ(XPLMGetElapsedTime(), 10.0f / 60);
    EXPECT_TRUE(xpsim::isFlightLoopRegistered(record, &r));  // 0 stops calls, not registration
}

TEST_F(SimFlightLoops, ZeroIntervalRegistersWithoutSchedulingAndDuplicatesStayOne) {
    Recorder r;
    r.returns = {-1, -1, -1, -1};
    XPLMRegisterFlightLoopCallback(record, 0, &r);
    xpsim::runFrames(3);
    EXPECT_TRUE(r.calls.empty());
    EXPECT_EQ(xpsim::flightLoopCount(), 1);

    XPLMSetFlightLoopCallbackInterval(record, -1, 1, &r);
    XPLMRegisterFlightLoopCallback(record, -1, &r);
    EXPECT_EQ(xpsim::flightLoopCount(), 1);
    xpsim::runFrames(1);
    ASSERT_EQ(r.calls.size(), 1u);
    // Never called before: elapsed counts from when it was first scheduled.
    EXPECT_NEAR(r.calls[0].sinceLastCall, 1.0 / 60, 1e-6);
}

TEST_F(SimFlightLoops, RunInRegistrationOrderAndSurviveChangesFromInside) {
    std::vector<int> order;
    Recorder a, b, c[2];
    a.order = b.order = &order;
    a.tag = 1;
    b.tag = 2;
    a.returns = b.returns = {-1, -1, -1};
    XPLMRegisterFlightLoopCallback(record, -1, &b);
    XPLMRegisterFlightLoopCallback(record, -1, &a);
    Recorder self;
    XPLMRegisterFlightLoopCallback(unregisterSelf, -1, &self);
    XPLMRegisterFlightLoopCallback(registerOther, -1, &c[0]);
    xpsim::runFrames(2);
    EXPECT_EQ(order, (std::vector<int>{2, 1, 2, 1}));
    EXPECT_EQ(self.calls.size(), 1u);
    EXPECT_FALSE(xpsim::isFlightLoopRegistered(unregisterSelf, &self));
    // Registered inside frame 1, first called in frame 2; its own return value
    // overrode the 100 s it asked for.
    EXPECT_EQ(c[0].calls.size(), 2u);
    ASSERT_EQ(c[1].calls.size(), 1u);
    EXPECT_EQ(c[1].calls[0].counter, 2);
}

TEST_F(SimFlightLoops, CreatedLoopsAreScheduledAndDestroyed) {
    Recorder r;
    r.returns = {0};
    XPLMCreateFlightLoop_t params{sizeof(XPLMCreateFlightLoop_t),
                                  xplm_FlightLoop_Phase_AfterFlightModel, record, &r};
    XPLMFlightLoopID id = XPLMCreateFlightLoop(&params);
    ASSERT_NE(id, nullptr);
    xpsim::runFrames(2);
    EXPECT_TRUE(r.calls.empty());  // created unscheduled
    XPLMScheduleFlightLoop(id, 0.1f, 1);
    xpsim::runFrames(10);
    ASSERT_EQ(r.calls.size(), 1u);
    EXPECT_EQ(r.calls[0].counter, 8);
    EXPECT_NEAR(r.calls[0].sinceLastCall, 0.1, 1e-6);
    XPLMDestroyFlightLoop(id);
    EXPECT_EQ(xpsim::flightLoopCount(), 0);
    XPLMScheduleFlightLoop(id, -1, 1);  // a stale handle is ignored
    xpsim::runFrames(2);
    EXPECT_EQ(r.calls.size(), 1u);

    params.structSize = 4;
    EXPECT_EQ(XPLMCreateFlightLoop(&params), nullptr);
}

TEST_F(SimFlightLoops, CreatedLoopCanDestroyItself) {
    Recorder r;
    XPLMCreateFlightLoop_t params{sizeof(XPLMCreateFlightLoop_t),
                                  xplm_FlightLoop_Phase_BeforeFlightModel, destroySelf, &r};
    r.created = XPLMCreateFlightLoop(&params);
    XPLMScheduleFlightLoop(r.created, -1, 1);
    xpsim::runFrames(3);
    EXPECT_EQ(r.calls.size(), 1u);
    EXPECT_EQ(xpsim::flightLoopCount(), 0);
}

TEST_F(SimFlightLoops, DisabledPluginIsNotCalled) {
    xpsim::PluginEntryPoints entry{};
    entry.start = [](char*, char*, char*) { return 1; };
    entry.enable = [] { return 1; };
    xpsim::attachPlugin(entry, "/p/test.xpl");
    ASSERT_TRUE(xpsim::startPlugin());
    Recorder r;
    r.returns = {-1, -1, -1};
    XPLMRegisterFlightLoopCallback(record, -1, &r);
    xpsim::runFrames(2);
    EXPECT_TRUE(r.calls.empty());  // started, not enabled
    ASSERT_TRUE(xpsim::enablePlugin());
    xpsim::runFrames(2);
    EXPECT_EQ(r.calls.size(), 2u);
}

}  // namespace
