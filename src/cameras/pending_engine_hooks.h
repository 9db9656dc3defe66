// What the camera set asks of the positioning engine and the panels. These
// stand in for them until they are built, doing what they do where that is
// cheap; the engine and the panels take them over.
#pragma once

struct Camera;

// Asks the next pipeline pass to re-assert the view mode.
void setResetViewModes();
int getResetViewModes();
void clearResetViewModes();
// With a camera (the current one selected again): puts its pose back to the
// saved one and keeps a copy, which a transitioning camera hands out once to a
// later call with null, so the pipeline can move from the old pose.
Camera* restoreSameCamera(Camera* camera);
// The camera X-Plane's view is drawn from while a set is being replaced.
void setCurrentFreeCamera(Camera* camera);
Camera* getCurrentFreeCamera();
// X-Plane's own field of view, used by cameras that do not set their own.
float getDefaultFOV();
// Zeroes the offsets an effect script added.
void clearScriptEffectOffsets();
bool isControlPanelVisable();
