// XPLMProcessing: flight loops, classic and created, called each frame in
// registration order.
#include <algorithm>
#include <cmath>
#include <vector>

#include "internal.h"
#include "xpsim.h"

namespace xpsim::detail {
namespace {

struct Loop {
    uint64_t id;
    bool classic;
    XPLMFlightLoop_f callback;
    void* refcon;
    bool scheduled = false;
    bool byCycles = false;
    double dueTime = 0;
    int dueCycle = 0;
    // The last call, or the registration or first scheduling before any call.
    double lastCallTime = 0;
    int lastCallCycle = 0;
    bool called = false;
};

std::vector<Loop>& loops() {
    static std::vector<Loop> all;
    return all;
}

// Never reused, so a destroyed loop's ID cannot reach a newer loop.
uint64_t nextId = 1;

// Return values that were meant as "next frame" arrive as floats a hair longer
// than the frame; they must still fall due on that frame.
constexpr double kDueSlack = 1e-6;

Loop* find(uint64_t id) {
    for (Loop& loop : loops())
        if (loop.id == id) return &loop;
    return nullptr;
}

Loop* findClassic(XPLMFlightLoop_f callback, void* refcon) {
    for (Loop& loop : loops())
        if (loop.classic && loop.callback == callback && loop.refcon == refcon) return &loop;
    return nullptr;
}

XPLMFlightLoopID handleOf(uint64_t id) {
    return reinterpret_cast<XPLMFlightLoopID>(static_cast<uintptr_t>(id));
}

uint64_t idOf(XPLMFlightLoopID handle) {
    return static_cast<uint64_t>(reinterpret_cast<uintptr_t>(handle));
}

// > 0 seconds, < 0 cycles, 0 not at all; from now or from the last call.
void schedule(Loop& loop, float interval, bool relativeToNow) {
    double baseTime = relativeToNow ? now() : loop.lastCallTime;
    int baseCycle = relativeToNow ? cycle() : loop.lastCallCycle;
    if (!loop.called) {
        loop.lastCallTime = now();
        loop.lastCallCycle = cycle();
    }
    loop.scheduled = interval != 0;
    loop.byCycles = interval < 0;
    if (interval > 0) loop.dueTime = baseTime + interval;
    if (interval < 0)
        loop.dueCycle = baseCycle + std::max(1, static_cast<int>(std::lround(-interval)));
}

bool due(const Loop& loop) {
    if (!loop.scheduled) return false;
    return loop.byCycles ? cycle() >= loop.dueCycle : now() + kDueSlack >= loop.dueTime;
}

}  // namespace

void resetFlightLoops() { loops().clear(); }

// Loops registered during the phase wait for the next frame; loops removed
// during it are skipped. A callback's return value overrides any scheduling it
// did of itself, as in X-Plane.
void runFlightLoops() {
    if (!pluginCallbacksAllowed()) return;
    std::vector<uint64_t> ids;
    for (const Loop& loop : loops()) ids.push_back(loop.id);
    for (uint64_t id : ids) {
        Loop* loop = find(id);
        if (!loop || !due(*loop)) continue;
        float sinceLastCall = static_cast<float>(now() - loop->lastCallTime);
        loop->lastCallTime = now();
        loop->lastCallCycle = cycle();
        loop->called = true;
        XPLMFlightLoop_f callback = loop->callback;
        void* refcon = loop->refcon;
        float next = callback(sinceLastCall, static_cast<float>(frameInterval()), cycle(), refcon);
        if ((loop = find(id))) schedule(*loop, next, true);
    }
}

}  // namespace xpsim::detail

namespace detail = xpsim::detail;

// X-Plane knows a classic loop by callback and refcon: registering the pair
// again keeps the one registration and reschedules it.
XPLM_API void XPLMRegisterFlightLoopCallback(XPLMFlightLoop_f inFlightLoop, float inInterval,
                                             void* inRefcon) {
    if (!inFlightLoop) return;
    detail::Loop* loop = detail::findClassic(inFlightLoop, inRefcon);
    if (!loop) {
        detail::loops().push_back({detail::nextId++, true, inFlightLoop, inRefcon});
        loop = &detail::loops().back();
    }
    detail::schedule(*loop, inInterval, true);
}

XPLM_API void XPLMUnregisterFlightLoopCallback(XPLMFlightLoop_f inFlightLoop, void* inRefcon) {
    auto& all = detail::loops();
    all.erase(std::remove_if(all.begin(), all.end(),
                             [&](const detail::Loop& loop) {
                                 return loop.classic && loop.callback == inFlightLoop &&
                                        loop.refcon == inRefcon;
                             }),
              all.end());
}

XPLM_API void XPLMSetFlightLoopCallbackInterval(XPLMFlightLoop_f inFlightLoop, float inInterval,
                                                int inRelativeToNow, void* inRefcon) {
    if (detail::Loop* loop = detail::findClassic(inFlightLoop, inRefcon))
        detail::schedule(*loop, inInterval, inRelativeToNow != 0);
}

// Created loops start unscheduled.
XPLM_API XPLMFlightLoopID XPLMCreateFlightLoop(XPLMCreateFlightLoop_t* inParams) {
    if (!inParams || inParams->structSize < static_cast<int>(sizeof(XPLMCreateFlightLoop_t)) ||
        !inParams->callbackFunc)
        return nullptr;
    detail::Loop loop{detail::nextId++, false, inParams->callbackFunc, inParams->refcon};
    loop.lastCallTime = detail::now();
    loop.lastCallCycle = detail::cycle();
    detail::loops().push_back(loop);
    return detail::handleOf(loop.id);
}

XPLM_API void XPLMDestroyFlightLoop(XPLMFlightLoopID inFlightLoopID) {
    auto& all = detail::loops();
    uint64_t id = detail::idOf(inFlightLoopID);
    auto matches = [&](const detail::Loop& loop) { return !loop.classic && loop.id == id; };
    all.erase(std::remove_if(all.begin(), all.end(), matches), all.end());
}

XPLM_API void XPLMScheduleFlightLoop(XPLMFlightLoopID inFlightLoopID, float inInterval,
                                     int inRelativeToNow) {
    detail::Loop* loop = detail::find(detail::idOf(inFlightLoopID));
    if (loop && !loop->classic) detail::schedule(*loop, inInterval, inRelativeToNow != 0);
}

namespace xpsim {

int flightLoopCount() { return static_cast<int>(detail::loops().size()); }

bool isFlightLoopRegistered(XPLMFlightLoop_f callback, void* refcon) {
    for (const auto& loop : detail::loops())
        if (loop.callback == callback && loop.refcon == refcon) return true;
    return false;
}

}  // namespace xpsim
