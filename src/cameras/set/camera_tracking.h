// Aiming a camera's pose at its reference: the aircraft's centre of gravity, a
// camera's origin or a target.
#pragma once

#include "scene/pose.h"

struct Camera;

// p's heading (pitch) turned to look at the camera's reference: `from` when
// given; for an external camera otherwise its origin, with its CG offsets for
// the user's aircraft; for a cockpit camera the aircraft's reference point.
void findCGHeading(CameraPosition* p, Camera* camera, const CameraPosition* from);
void findCGPitch(CameraPosition* p, Camera* camera, const CameraPosition* from);
// With trackHeading / trackPitch: aims p at the CG point of its own frame.
void adjustCGOffsets(CameraPosition* p, Camera* camera);
