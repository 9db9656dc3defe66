// Mouse look and mouse moves. Stand-ins until they are built: the mouse never
// looks or moves, so nothing is added to the view.
#pragma once

#include "cameras/camera_position.h"

struct Camera;

// Once per pass with the pose being built; whether a look is in progress.
int checkMouseLook(CameraPosition* pose, Camera* camera);
// Adds the look offset to a pose (from the offset stack).
void processMouseLook(Camera* camera, CameraPosition* pose);
// Once per pass while no transition plays.
void checkMouseMove(Camera* camera);
