// Moving an imported set's cockpit cameras to this user's seat.
#pragma once

#include "cameras/set/camera.h"

// Shifts the new set's pilot camera (camera 0 of category 0) onto the
// reference, and every cockpit camera within 5 m of it on each axis with it;
// cameras right of the centre line move the other way in x. Not saved.
void attempAutoCorrectCockpitCamera(Camera* reference);
