// The frame loop and the simulated clock.
#include "internal.h"
#include "xpsim.h"

namespace xpsim {
namespace {

constexpr int kDefaultFps = 60;

double simClock = 0;
int cycles = 0;
int framesPerSecond = kDefaultFps;

}  // namespace

void setFps(int fps) {
    if (fps <= 0) return;
    framesPerSecond = fps;
    detail::setSimValue("sim/operation/misc/frame_rate_period", 1.0 / fps);
}

int fps() { return framesPerSecond; }
double simTime() { return simClock; }
int cycleNumber() { return cycles; }

void runFrames(int n) {
    for (int i = 0; i < n; ++i) {
        ++cycles;
        simClock += detail::frameInterval();
        detail::setSimValue("sim/time/total_running_time_sec", simClock);
        detail::runHeldCommands();
        detail::runFlightLoops();
        detail::runCameraPhase();
        detail::drawWindows();
    }
}

namespace detail {

double now() { return simClock; }
int cycle() { return cycles; }
double frameInterval() { return 1.0 / framesPerSecond; }

void resetClock() {
    simClock = 0;
    cycles = 0;
    setFps(kDefaultFps);
}

}  // namespace detail
}  // namespace xpsim

XPLM_API float XPLMGetElapsedTime(void) { return static_cast<float>(xpsim::simClock); }

XPLM_API int XPLMGetCycleNumber(void) { return xpsim::cycles; }
