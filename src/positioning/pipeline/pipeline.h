// The per-frame positioning pipeline and the view switches around it.
#pragma once

#include "cameras/set/camera_position.h"
#include "positioning/pipeline/airport_toggle.h"
#include "positioning/pipeline/fov.h"
#include "positioning/input/joystick_axes.h"
#include "positioning/pipeline/view_modes.h"

// One pass of the pipeline; the main flight loop calls it every frame while
// camera control is on.
void processCameraPosition();
// Camera control begins: the pipeline forgets the camera it handled before,
// whose record a new camera set may since have replaced.
void resetPipeline();
// The pose of the current camera as the last pass built it, before the offsets
// of a cockpit camera; what the camera-control callback renders.
const CameraPosition* getPipelinePosition();
