// X-Plane's own 3-D cockpit view, worked out from what X-Plane publishes.
#pragma once

#include "xplane/sdk.h"

// The pilot's head (position, heading, pitch and the roll the engine writes)
// in the user's aircraft, turned into the world with the aircraft's position
// and attitude; zoom 1. False, with out untouched, when a value is not finite.
bool xplaneCockpitView(XPLMCameraPosition_t* out);
