// A target-following camera's final world pose: aimed at the current target,
// or, reciprocal, placed above the target looking back at its origin.
#pragma once

#include "cameras/set/camera_position.h"
#include "cameras/targets/target.h"

struct Camera;

// false, the pose untouched, when there is no current target. The target's
// bearing and pitch are set from the pose for the target information.
bool aimAtCurrentTarget(Camera* camera, CameraPosition* out);
// p's heading (pitch) turned to look at the target's local position; nothing
// for a null target.
void findTargetHeading(CameraPosition* p, const Target* target);
void findTargetPitch(CameraPosition* p, const Target* target);
