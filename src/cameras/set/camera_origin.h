// Where a camera stands in the world: the origin its offsets are anchored to,
// and the point AI distances are measured from.
#pragma once

#include "scene/origin.h"

struct Camera;

// An external camera on the carrier or the frigate is anchored to it; every
// other camera to the user's aircraft.
OriginPose getCameraOrigin(const Camera* camera);
// AI distances are measured from the current camera while camera control is on.
void registerAiReferencePoint();
