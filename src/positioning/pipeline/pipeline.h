// The per-frame positioning pipeline and the view switches around it.
#pragma once

#include "cameras/set/camera_position.h"
#include "positioning/pipeline/airport_toggle.h"
#include "scene/fov.h"
#include "positioning/input/joystick_axes.h"
#include "positioning/pipeline/view_modes.h"

// One pass of the pipeline; the main flight loop calls it every frame while
// camera control is on.
void processCameraPosition();
// Camera control begins. The camera handled before control went off stays the
// camera left, compared by its slot of the set (a set read anew into the same
// slots holds the same camera); a slot no longer in use is forgotten.
void resetPipeline();
// The pose of the current camera as the last pass built it, before the offsets
// of a cockpit camera; what the camera-control callback renders.
const CameraPosition* getPipelinePosition();
