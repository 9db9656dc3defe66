// Turning a pose's position between an origin's frame and the world.
#pragma once

#include "scene/pose.h"

// Rotates p's x, y, z: a is a pitch about the lateral axis, b a turn about the
// vertical axis, c a roll about the longitudinal axis (degrees). Callers pass
// one angle at a time; into the world from an origin's frame is roll, then
// pitch, then heading. Other fields stay.
void rotate3D(CameraPosition* p, double a, double b, double c);
// The three turns of an attitude in that order.
void rotateByAttitude(CameraPosition* p, float heading, float pitch, float roll);
