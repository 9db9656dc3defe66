// A pose as X-Plane's camera-control callback takes it.
#pragma once

#include "cameras/set/camera_position.h"
#include "xplane/sdk.h"

// p's position, heading and zoom; pitch and roll folded into (-180, 180], as
// X-Plane takes every angle handed to it (free and cineflex cameras keep their
// stored [0, 360) angles).
XPLMCameraPosition_t toXPlaneCamera(const CameraPosition& p);
bool isFinitePosition(const XPLMCameraPosition_t& p);
