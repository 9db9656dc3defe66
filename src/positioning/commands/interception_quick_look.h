// X-Plane's twenty quick looks select the cameras with view IDs 1 to 20, and
// their "memory" commands give the current camera such a view ID.
#pragma once

#include "xplane/sdk.h"

// A quick look for the view ID: to its camera, or back to the camera before
// when its camera is current already. 1 when no camera holds the ID, so that
// X-Plane's own quick look runs.
int emulateQuickLook(XPLMCommandRef commandRef, int viewId);
// The current camera takes the view ID, and the set is saved silently.
void memorizeQuickLook(int viewId);
