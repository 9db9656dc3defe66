// Aiming a pose at a reference point: the aircraft's centre of gravity, a
// camera's origin or a target.
#pragma once

#include "cameras/set/camera_position.h"

struct Camera;

// Compass bearing (0 north, 90 east; due south of the point gives 360) and
// stored pitch (360 - u looking down, u looking up) from p to a point.
float headingToPoint(const CameraPosition* p, double x, double y, double z);
float pitchToPoint(const CameraPosition* p, double x, double y, double z);

// p's heading (pitch) turned to look at the camera's reference: `from` when
// given; for an external camera otherwise its origin, with its CG offsets for
// the user's aircraft; for a cockpit camera the aircraft's reference point.
void findCGHeading(CameraPosition* p, Camera* camera, const CameraPosition* from);
void findCGPitch(CameraPosition* p, Camera* camera, const CameraPosition* from);
// With trackHeading / trackPitch: aims p at the CG point of its own frame.
void adjustCGOffsets(CameraPosition* p, Camera* camera);
// The user's aircraft position plus p's CG offsets turned into the world.
void getPlaneLocationWithCGOffsets(const CameraPosition* p, double* x, double* y, double* z);
