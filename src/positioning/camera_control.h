// Ownership of X-Plane's camera.
#pragma once

#include "cameras/camera_position.h"

// take: hold X-Plane's camera and render the pose every frame. Release gives
// the camera back only when this plug-in holds it, never another plug-in's.
void controlCamera(bool take, CameraPosition* pose);
bool isCameraHeld();
