#include "scene/tracking.h"

#include <cmath>

#include "scene/origin.h"
#include "scene/rotation.h"

namespace {
const double kDegreesPerRadian = 180.0 / 3.14159265358979323846;
}  // namespace

float headingToPoint(const CameraPosition* p, double x, double y, double z) {
    (void)y;
    double dx = p->x - x;
    double dz = p->z - z;
    if (dx == 0.0 && dz == 0.0) {
        return 0.0f;
    }
    double u = std::atan2(-dz, std::fabs(dx)) * kDegreesPerRadian;
    double heading = 0;
    if (u >= 0) {
        heading = dx < 0 ? u + 90.0 : 90.0 - u;
    } else {
        heading = dx < 0 ? 90.0 - std::fabs(u) : std::fabs(u) + 90.0;
    }
    if (dx >= 0) {
        heading += 180.0;
    }
    return static_cast<float>(heading);
}

float pitchToPoint(const CameraPosition* p, double x, double y, double z) {
    double dx = p->x - x;
    double dy = p->y - y;
    double dz = p->z - z;
    double horizontal = std::sqrt(dz * dz + dx * dx);
    if (dy == 0.0 && horizontal == 0.0) {
        return 0.0f;
    }
    double u = std::atan2(dy, horizontal) * kDegreesPerRadian;
    return static_cast<float>(u >= 0 ? 360.0 - u : std::fabs(u));
}

void getPlaneLocationWithCGOffsets(const CameraPosition* p, double* x, double* y, double* z) {
    OriginPose aircraft = getAircraftOrigin();
    *x = aircraft.x;
    *y = aircraft.y;
    *z = aircraft.z;
    if (p->cgX == 0.0f && p->cgY == 0.0f && p->cgZ == 0.0f) {
        return;
    }
    CameraPosition cg;
    cg.x = p->cgX;
    cg.y = p->cgY;
    cg.z = p->cgZ;
    rotateByAttitude(&cg, aircraft.heading, aircraft.pitch, aircraft.roll);
    *x += cg.x;
    *y += cg.y;
    *z += cg.z;
}
