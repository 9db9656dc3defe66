// The pipeline's decisions about X-Plane's view and camera at the start of a
// pass.
#pragma once

#include "cameras/set/camera_position.h"

struct Camera;

// False when X-Plane shows a view other than the 3-D cockpit and the free
// camera and nothing asked for a reset: the user chose that view, and the
// plug-in gives X-Plane's camera back and leaves the view alone.
bool passViewGate();
// Ownership and view mode for the current camera; false ends the pass (a
// cockpit camera is never forced onto another of X-Plane's views).
bool settleViewMode(Camera* camera, CameraPosition* position);
