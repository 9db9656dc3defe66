// Where targets are measured from, and bringing a target up to date.
#pragma once

#include "cameras/targets/target.h"

// The reference point's latitude and longitude: the user's aircraft, or the
// carrier or frigate an external camera (not a free one) is attached to. With
// withAi, the current AI aircraft instead while the AI perspective is on and
// the current camera is not a free camera.
void getTargetReference(bool withAi, double* latitude, double* longitude);
// Local position (from the origin of its kind, or from its world position)
// and distance in kilometres from the reference, the AI perspective included.
void refreshTarget(Target* target);
