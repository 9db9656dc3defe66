// X-Plane's field of view: the default the cameras fall back on, and writing it.
#pragma once

// Writes X-Plane's field of view, only when the ENABLE_FORCE_FOV setting is on.
void setFov(float fov);
float getXPlaneFov();
// The field of view X-Plane had when camera control began; while camera
// control is off, X-Plane's own field of view as it stands.
float getDefaultFOV();
// Camera control begins (captures X-Plane's field of view) or ends.
void captureDefaultFov();
void releaseDefaultFov();
// Puts X-Plane's field of view back before X-Plane writes its preferences.
void restoreDefaultFov();
