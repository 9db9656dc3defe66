// Joystick axes that turn the view and fly the camera. The axes themselves
// are stand-ins until they are built: no axis is ever available.
#pragma once

#include "cameras/camera_position.h"

struct Camera;

// Which axis role drives each of the six camera motions; motion i gets role i.
void resetCameraMotionAxisAssignments();
int getCameraMotionAxisAssignment(int motion);
// Rebuilds the axis records when the current camera changes.
void findViewCameraAxisAssignments();
// The conditioned value of a role's axis; false (value 0) when it has none.
bool getAxisValue(int role, float* value);
// Look offset of the view axes on a pose (from the offset stack).
void checkViewAxis(CameraPosition* pose, Camera* camera);
// Camera motion from the camera axes, into the movement accumulators.
void checkCameraAxis(Camera* camera);
bool isAxisCalibrationActive();
void setAxisCalibrationActive(bool active);
