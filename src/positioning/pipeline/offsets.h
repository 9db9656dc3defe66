// The stack of offsets added to a camera's pose every frame: a glance, head
// tracking, mouse look, view axes, HeadShake, XPRealistic or RealView.
#pragma once

#include "cameras/set/camera_position.h"

struct Camera;

// The whole stack, in order, on a cockpit or external pose.
void adjustOffsets(Camera* camera, CameraPosition* p);
// Smoothed, range-scaled head-tracking offsets of an outside head tracker.
void applyHeadTrackOffsets(CameraPosition* p);
// Holds a cockpit camera's position within its head-tracking limits.
void applyTrackIRLimits(CameraPosition* p, Camera* camera);
// Scales by the head-track range of the current movement range.
void adjustHeadTrackRange(float* x, float* y, float* z);
// The pose right after head tracking, mouse look and the view axes.
CameraPosition* getCurrentHeadTrackPosition();
