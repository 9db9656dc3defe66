// Ownership of X-Plane's camera. Three states: not held; held (X-Plane calls
// the callback every drawn frame); lost (held, but no callback for more than
// 500 ms: another plug-in or X-Plane's own view change took it).
#pragma once

#include "cameras/set/camera_position.h"
#include "xplane/sdk.h"

struct Camera;

// take: hold X-Plane's camera, rendering pose through controlFreeCamera.
// Release gives the camera back only while this plug-in holds it, so it is
// given back once however often release is asked for.
void controlCamera(bool take, CameraPosition* pose);
// The camera-control callback of external cameras; pose is the pipeline's pose.
int controlFreeCamera(XPLMCameraPosition_t* out, int isLosingControl, void* pose);
// A second callback that only sets X-Plane's zoom to the value zoom points to,
// then hands the camera back.
int controlZoom(XPLMCameraPosition_t* out, int isLosingControl, void* zoom);
// Holds X-Plane's camera through controlZoom.
void holdZoom(float* zoom);
bool isCameraHeld();
bool isCameraControlLost();
// The camera the callback renders: the current external camera, or a kept
// copy while the camera set is being replaced.
void setCurrentFreeCamera(Camera* camera);
Camera* getCurrentFreeCamera();
