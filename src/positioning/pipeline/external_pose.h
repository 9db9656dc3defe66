// The world pose of an external camera, which the camera-control callback
// hands to X-Plane.
#pragma once

#include "cameras/set/camera_position.h"
#include "scene/pose_angles.h"

struct Camera;

// pose is the pipeline's pose of the camera (its offsets and angles, or a
// transition frame); out gets X-Plane's local position and the view's angles.
void translateExternalCameraPosition(Camera* camera, CameraPosition* out, const CameraPosition* pose);
// Whether the XPRealistic and RealView plug-ins announced themselves.
int hasXPRealistic();
int hasRealView();
// The camera's heading turned by the effect plug-in's heading offset when it
// applies to the camera.
float getXPRealisticHeading(const Camera* camera);
