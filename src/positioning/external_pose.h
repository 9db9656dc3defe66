// Pose arithmetic of external cameras.
#pragma once

// fixAngle, then angles above 180 become negative: what X-Plane expects for
// pitch and roll.
float fixPitchRollAngle(float angle);
// Whether the XPRealistic plug-in announced itself through the integration datarefs.
int hasXPRealistic();
int hasRealView();
