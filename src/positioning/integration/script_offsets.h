// Offsets an effect script adds to the view through the integration datarefs.
#pragma once

#include "cameras/set/camera_position.h"

struct Camera;

// Adds the six effect-script offsets when the camera has a script ID.
void adjustScriptOffsets(Camera* camera, CameraPosition* p);
// A camera file was read: the offsets of the old set's scripts go.
void clearScriptEffectOffsets();
