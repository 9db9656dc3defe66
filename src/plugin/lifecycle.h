// The main flight loop, which runs while camera control is on (camera control
// itself is positioning/pipeline/camera_control_switch.h), and the
// community-cache worker it looks after. The state it keeps for the other
// subsystems is in shell/plugin_state.h.
#pragma once

#include "shell/plugin_state.h"

// The main flight loop, registered only while camera control is on.
float MyFlightLoopCallback(float elapsedSinceLastCall, float elapsedSinceLastFlightLoop,
                           int counter, void* refcon);
