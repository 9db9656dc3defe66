// Keeping a cockpit view level with the horizon.
#pragma once

#include "cameras/set/camera_position.h"

struct Camera;

// Sets p's pitch and roll to cancel the aircraft's pitch and roll as seen
// along p's heading, and moves the head with the roll; nothing for external
// cameras.
void levelCamera(CameraPosition* p, Camera* camera);
