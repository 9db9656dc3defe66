#include "positioning/pending_targets.h"

void selectNearestTarget() {}

bool aimAtCurrentTarget(Camera*, CameraPosition*) { return false; }
