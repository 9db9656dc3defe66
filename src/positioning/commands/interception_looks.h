// X-Plane's fixed look directions and its zoom, applied to the current camera.
#pragma once

#include "xplane/sdk.h"

// A look direction, glance or relative turn of X_PlaneCommands (rows 20 to 36
// but the two forward views) on the current camera.
void lookDirection(int index, XPLMCommandPhase phase);
// Zoom rows 55 to 60: an external camera's zoom, never below 1.0; false for a
// cockpit camera, whose zoom stays X-Plane's.
bool zoomExternalCamera(int index);
