#include "scene/turn.h"

#include <cmath>

#include <cqrlib.h>

#include "scene/pose_angles.h"
#include "shell/angles.h"

namespace {
// Below this horizontal part of the line of sight the view counts as straight
// up or down: heading and roll are then one turn, taken as heading.
const double kStraightUpOrDown = 1e-9;

// A heading in [0, 360), also where the float rounds up to 360.
float headingDegrees(double radians) {
    double degrees = rad2deg(radians);
    float heading = static_cast<float>(degrees < 0 ? degrees + 360.0 : degrees);
    return heading >= 360.0f ? 0.0f : heading;
}

// X-Plane's east, south and up axes are CQRlib's X, Y and Z, as for rotate3D.
CQRQuaternion toCQR(const Turn& t) { return CQRQuaternion{t.w, t.x, t.y, t.z}; }
Turn fromCQR(const CQRQuaternion& q) {
    Turn t;
    t.w = q.w;
    t.x = q.x;
    t.y = q.y;
    t.z = q.z;
    return t;
}

void turnWith(CQRQuaternion q, CameraPosition* p) {
    double vector[3] = {p->x, p->z, p->y};
    double turned[3] = {0, 0, 0};
    CQRRotateByQuaternion(turned, &q, vector);
    p->x = static_cast<float>(turned[0]);
    p->z = static_cast<float>(turned[1]);
    p->y = static_cast<float>(turned[2]);
}
}  // namespace

Turn attitudeTurn(float heading, float pitch, float roll) {
    // CQRlib's angles turn about X first, then Z: pitch (the lateral axis,
    // taken negated as rotate3D takes it), then heading; roll, about the
    // longitudinal axis, comes before both.
    CQRQuaternion pitchThenHeading;
    CQRAngles2Quaternion(&pitchThenHeading, deg2rad(fixPitchRollAngle(-pitch)), 0.0,
                         deg2rad(heading));
    CQRQuaternion rolled;
    CQRAngles2Quaternion(&rolled, 0.0, deg2rad(roll), 0.0);
    CQRQuaternion whole;
    CQRMultiply(&whole, &pitchThenHeading, &rolled);
    return fromCQR(whole);
}

Turn composeTurns(const Turn& outer, const Turn& inner) {
    CQRQuaternion a = toCQR(outer);
    CQRQuaternion b = toCQR(inner);
    CQRQuaternion whole;
    CQRMultiply(&whole, &a, &b);
    return fromCQR(whole);
}

void turnPoint(const Turn& t, CameraPosition* p) { turnWith(toCQR(t), p); }

void anglesOfTurn(const Turn& t, float* heading, float* pitch, float* roll) {
    CQRQuaternion q = toCQR(t);
    double m[3][3];
    CQRQuaternion2Matrix(m, &q);
    // Column j of m is where CQRlib's axis j goes: 0 the view's right (x),
    // 1 its back (z), 2 its up (y); row 0 is east, 1 south, 2 up.
    double horizontal = std::sqrt(m[0][1] * m[0][1] + m[1][1] * m[1][1]);
    double h = 0;
    double r = 0;
    if (horizontal > kStraightUpOrDown) {
        h = std::atan2(-m[0][1], m[1][1]);
        // The right-hand axis goes down as the view rolls right; upright,
        // the up axis stays up.
        r = std::atan2(-m[2][0], m[2][2]);
    } else {
        // The right-hand axis is level: it gives the heading.
        h = std::atan2(m[1][0], m[0][0]);
    }
    // Adding 0 turns a negative zero into 0.
    *heading = headingDegrees(h) + 0.0f;
    *pitch = static_cast<float>(rad2deg(std::atan2(-m[2][1], horizontal))) + 0.0f;
    *roll = fixPitchRollAngle(static_cast<float>(rad2deg(r))) + 0.0f;
}
