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
// The callback of a cockpit camera whose zoom X-Plane is held to: X-Plane's own
// 3-D cockpit view at the zoom that zoom points to. It gives the camera back
// once the pipeline no longer asks for the zoom, camera control is off or
// X-Plane shows another view.
int controlZoom(XPLMCameraPosition_t* out, int isLosingControl, void* zoom);
// Every pass: whether X-Plane's 3-D cockpit is to be held to zoom. Takes the
// camera through controlZoom when X-Plane shows the 3-D cockpit and no plug-in
// holds its camera.
void holdCockpitZoom(bool hold, float zoom);
bool isCameraHeld();
bool isCameraControlLost();
// The camera the callback renders: the current external camera, or a kept
// copy while the camera set is being replaced.
void setCurrentFreeCamera(Camera* camera);
Camera* getCurrentFreeCamera();
