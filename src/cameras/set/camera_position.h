// A camera's pose (the record is scene/pose.h): filled from a camera or from
// X-Plane's pilot's head, and copied.
#pragma once

#include "scene/pose.h"

struct Camera;

// Fills a pose from a camera, or from X-Plane's pilot's head when camera is null.
void fillPosition(CameraPosition* out, Camera* camera);
void copyCameraPosition(CameraPosition* source, CameraPosition* destination);
