// The category that a generator fills.
#pragma once

#include "cameras/set/camera.h"

// Whether a generated camera's offsets from its origin are numbers the camera
// file keeps: finite and within the range its reader takes.
bool fitsTheCameraFile(float x, float y, float z);
// The emptied category of that name (made at the end when there is none),
// named as given; null with an "ERROR" box when no category can be made.
Category* startGeneratedCategory(const char* name);
// The next camera of a generated category, reset, named "%s - %d" with the
// category's name and its index.
Camera* addGeneratedCamera(Category* category);
// Camera 0 becomes the category's current one; each camera remembers its
// pose, so restoring it comes back there; the set is renumbered.
void finishGeneratedCategory(Category* category);
