// Showing a cockpit camera: the pilot's-head position, angles and field of view.
#pragma once

#include "cameras/set/camera_position.h"

struct Camera;

// Adds the offset stack and the effect scripts to p and writes it to X-Plane,
// pitch and roll folded into (-180, 180]. A pose that is not finite is not
// written: the pilot's head stays where it was last put.
void writeCockpitPose(Camera* camera, CameraPosition* p);
