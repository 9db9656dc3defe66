// A flight loop of the plug-in's own, owned by one object: made (and due on
// the next frame) when the owner is, destroyed with it, so X-Plane never calls
// a callback whose object is gone. It runs after the flight model, outside any
// draw callback. Main thread only.
#pragma once

#include "xplane/sdk.h"

class FlightLoop {
public:
    // refcon reaches the callback; the callback's return value schedules it
    // again as XPLMScheduleFlightLoop's interval does (-1: the next frame).
    FlightLoop(XPLMFlightLoop_f callback, void* refcon);
    ~FlightLoop();
    FlightLoop(const FlightLoop&) = delete;
    FlightLoop& operator=(const FlightLoop&) = delete;

    // Due again on the next frame, also after its callback returned 0.
    void scheduleNextFrame();

private:
    XPLMFlightLoopID id = nullptr;
};
