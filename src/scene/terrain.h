// The height of the terrain under a point, through X-Plane's terrain probe.
#pragma once

#include "scene/pose.h"

// true with the terrain's local y under p's x, y, z; false (y untouched) when
// the probe finds no terrain.
bool probeY(const CameraPosition* p, double* y);
