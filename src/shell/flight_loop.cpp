#include "shell/flight_loop.h"

FlightLoop::FlightLoop(XPLMFlightLoop_f callback, void* refcon) {
    XPLMCreateFlightLoop_t params{};
    params.structSize = sizeof(params);
    params.phase = xplm_FlightLoop_Phase_AfterFlightModel;
    params.callbackFunc = callback;
    params.refcon = refcon;
    id = XPLMCreateFlightLoop(&params);
    scheduleNextFrame();
}

FlightLoop::~FlightLoop() { XPLMDestroyFlightLoop(id); }

void FlightLoop::scheduleNextFrame() { XPLMScheduleFlightLoop(id, -1.0f, 1); }
