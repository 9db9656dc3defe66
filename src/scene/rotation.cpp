#include "scene/rotation.h"

#include <cqrlib.h>

#include "scene/pose_angles.h"

namespace {
double toRadians(double degrees) { return degrees * 3.14159265358979323846 / 180.0; }
}  // namespace

void rotate3D(CameraPosition* p, double a, double b, double c) {
    // X-Plane's east, south and up axes are CQRlib's X, Y and Z.
    double vector[3] = {p->x, p->z, p->y};
    double rotated[3] = {0, 0, 0};
    CQRQuaternion q;
    CQRAngles2Quaternion(&q, toRadians(fixPitchRollAngle(static_cast<float>(-a))), toRadians(c),
                         toRadians(b));
    CQRRotateByQuaternion(rotated, &q, vector);
    p->x = static_cast<float>(rotated[0]);
    p->z = static_cast<float>(rotated[1]);
    p->y = static_cast<float>(rotated[2]);
}

void rotateByAttitude(CameraPosition* p, float heading, float pitch, float roll) {
    rotate3D(p, 0, 0, roll);
    rotate3D(p, pitch, 0, 0);
    rotate3D(p, 0, heading, 0);
}
