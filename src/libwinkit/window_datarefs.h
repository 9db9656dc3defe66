// X-Plane's datarefs that every ImGui window reads: VR, the window-phase
// matrices and viewport, and the frame period. A missing one stays null.
#pragma once

#include "xplane/sdk.h"

struct WindowDatarefs {
    XPLMDataRef vrEnabled = nullptr;
    XPLMDataRef modelviewMatrix = nullptr;
    XPLMDataRef viewport = nullptr;
    XPLMDataRef projectionMatrix = nullptr;
    XPLMDataRef frameRatePeriod = nullptr;
};

// Looked up again at each call: a reloaded plug-in must not keep stale handles.
void findWindowDatarefs();
const WindowDatarefs& windowDatarefs();
