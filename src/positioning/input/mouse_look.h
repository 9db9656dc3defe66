// Mouse look: while the look button is held, mouse motion turns the view away
// from the camera's direction; on release the view stays, glides back or snaps
// back as the camera's options say.
#pragma once

#include "cameras/set/camera_position.h"
#include "positioning/input/mouse_move.h"

struct Camera;

// Once per pass with the pose being built; whether a look is in progress.
int checkMouseLook(CameraPosition* pose, Camera* camera);
// Adds the smoothed look offset to a pose (from the offset stack).
void processMouseLook(Camera* camera, CameraPosition* pose);
int getMouseStartingX();
int getMouseStartingY();
// Ends a look in progress without keeping it or aiming with it: camera
// control going off cuts it short, and its release may never reach the pipeline.
void cancelMouseLook();
// Takes off a pause that the look in progress put on; also for camera control
// or the plug-in going off mid-look, so X-Plane is never left paused.
void endMouseLookPause();
