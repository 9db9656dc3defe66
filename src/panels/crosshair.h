// The red crosshair at the screen's centre while the user aims the free
// target of a target-following camera with the right mouse button.
#pragma once

#include "xplane/sdk.h"

// X-Plane's draw callback for the window phase; returns 1 so that X-Plane
// goes on drawing. Leaves X-Plane's line width and colour as it found them.
int myDrawCallback(XPLMDrawingPhase phase, int isBefore, void* reference);
