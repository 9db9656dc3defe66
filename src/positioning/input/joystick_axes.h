// Joystick axes assigned in X-Plane that turn the view, zoom and fly the
// camera. Six roles: 0 view heading, 1 view pitch, 2 zoom, 3 camera
// left-right, 4 up-down, 5 forward-back.
#pragma once

#include "cameras/set/camera_position.h"

struct Camera;

const int kAxisRoles = 6;

// Which axis role drives each of the six camera motions; motion i gets role i.
// A negative role drives the motion with that role's axis reversed.
void resetCameraMotionAxisAssignments();
int getCameraMotionAxisAssignment(int motion);
void setCameraMotionAxisAssignment(int motion, int role);
// Rebuilds the axis records when the current camera changes and when camera
// control comes on.
void findViewCameraAxisAssignments();
// Looks for a mapped axis for the role; whether one is there. A role whose
// axis X-Plane no longer maps is no longer available.
bool checkAxisAvialable(int role);
// The conditioned value of a role's axis; false (value 0) when it has none.
bool getAxisValue(int role, float* value);
// The zoom an external camera takes from the zoom axis; never below 1.
float zoomFromAxis(float value);
// Look offset of the view axes on a pose (from the offset stack).
void checkViewAxis(CameraPosition* pose, Camera* camera);
// Camera motion from the camera axes, into the movement accumulators.
void checkCameraAxis(Camera* camera);
bool isAxisCalibrationActive();
void setAxisCalibrationActive(bool active);
