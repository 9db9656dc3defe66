// Aiming a pose at a point: bearings and pitches to it, and the aircraft's
// centre of gravity in the world. Aiming a camera at its own reference is
// cameras/set/camera_tracking.h.
#pragma once

#include "scene/pose.h"

// Compass bearing (0 north, 90 east; due south of the point gives 360) and
// stored pitch (360 - u looking down, u looking up) from p to a point.
float headingToPoint(const CameraPosition* p, double x, double y, double z);
float pitchToPoint(const CameraPosition* p, double x, double y, double z);
// The user's aircraft position plus p's CG offsets turned into the world.
void getPlaneLocationWithCGOffsets(const CameraPosition* p, double* x, double* y, double* z);
