// Free cameras sit at a world position; X-Plane's local coordinates move
// whenever the scenery's reference point does.
#pragma once

#include "cameras/set/camera.h"

// Local x, y, z from the world point; the saved pose is left alone, so a
// camera with temporary positioning still returns to where it was.
void refreshFreeCameraLocal(Camera* camera);
// Local x, y, z from the world position, then the pose is remembered; other
// cameras are left alone.
void refreshFreeCamera(Camera* camera);
// World position from local x, y, z.
void updateFreeCameraLatLon(Camera* camera);
// Whether the camera file keeps the camera as it is: its local position, and
// for a free camera its world position, finite and within the ranges the
// file's reader takes.
bool positionFitsTheCameraFile(const Camera* camera);
// Moves a free camera to the local position and its world position with it;
// false, the camera unchanged, when the camera file could not keep it there.
bool placeFreeCamera(Camera* camera, float x, float y, float z);
