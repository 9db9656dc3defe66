// Whole turns of X-Plane's local axes (x east, y up, z south): an attitude's
// three turns made one, and one attitude inside another, composed exactly.
#pragma once

#include "scene/pose.h"

// A unit quaternion, CQRlib's; one product of them composes attitudes.
struct Turn {
    double w = 1;
    double x = 0;
    double y = 0;
    double z = 0;
};

// An attitude (degrees) as X-Plane turns a camera or an aircraft: roll takes
// the right side down, then pitch the nose up, then heading north to east.
Turn attitudeTurn(float heading, float pitch, float roll);
// inner's turn followed by outer's: a camera's own attitude inside its
// origin's.
Turn composeTurns(const Turn& outer, const Turn& inner);
// Turns p's x, y, z; other fields stay.
void turnPoint(const Turn& t, CameraPosition* p);
// The heading [0, 360), pitch [-90, 90] and roll (-180, 180] that X-Plane
// turns a camera by to make t. Straight up or down, where heading and roll
// turn about the same axis, the roll is 0.
void anglesOfTurn(const Turn& t, float* heading, float* pitch, float* roll);
