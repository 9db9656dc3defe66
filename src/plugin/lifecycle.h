// Camera control on and off inside an enabled plug-in, and the main flight
// loop. The state it keeps for the other subsystems is in shell/plugin_state.h.
#pragma once

#include <string>

#include "cameras/set/camera_position.h"
#include "shell/plugin_state.h"

void enableOvilux();
// keepHead 0 puts the pilot's head back where it was when control began.
void disableOvilux(int keepHead);
// Shows the "System Status" box.
void checkSystem();

// The main flight loop, registered only while camera control is on.
float MyFlightLoopCallback(float elapsedSinceLastCall, float elapsedSinceLastFlightLoop,
                           int counter, void* refcon);
