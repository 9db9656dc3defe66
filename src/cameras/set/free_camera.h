// Free cameras sit at a world position; X-Plane's local coordinates move
// whenever the scenery's reference point does.
#pragma once

#include "cameras/set/camera.h"

// Local x, y, z from the world position, then the pose is remembered; other
// cameras are left alone.
void refreshFreeCamera(Camera* camera);
// World position from local x, y, z.
void updateFreeCameraLatLon(Camera* camera);
