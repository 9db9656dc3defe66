// What the engine needs of the named targets. Stand-ins until the targets are
// built: there is never a current target, so a target-following camera keeps
// the pose its origin (the user's aircraft) gives it.
#pragma once

#include "cameras/camera_position.h"

struct Camera;

// The target list depends on the camera's origin.
void selectNearestTarget();
// Aims the final world pose of a target-following camera at the current target
// (or, reciprocal, from it back at the origin); false when there is none.
bool aimAtCurrentTarget(Camera* camera, CameraPosition* out);
