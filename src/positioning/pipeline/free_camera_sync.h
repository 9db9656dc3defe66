// Keeping a free camera's local position and its world point in step. The
// world point (latitude, longitude, elevation) is what the camera is; X-Plane's
// local coordinates move whenever X-Plane shifts its local origin.
#pragma once

struct Camera;

// Local x, y, z from the world point; the saved pose is left alone, so a
// camera with temporary positioning still returns to where it was.
void refreshFreeCameraLocal(Camera* camera);
// True once after X-Plane's local origin has moved since the last call.
bool localOriginShifted();
