#include "positioning/transitions/transition_values.h"

#include <cmath>

namespace {
PoseValues valuesOf(const CameraPosition& p) {
    return PoseValues{{p.x, p.y, p.z, p.heading, p.pitch, p.roll, p.fov, p.zoom, p.cgY, p.cgZ,
                       p.cgX}};
}

float shortWay(float d) {
    if (std::fabs(d) > 180.0f) {
        return d >= 0.0f ? d - 360.0f : d + 360.0f;
    }
    return d;
}
}  // namespace

PoseValues poseDeltas(const CameraPosition& start, const CameraPosition& end) {
    PoseValues a = valuesOf(start);
    PoseValues b = valuesOf(end);
    PoseValues d;
    for (int i = 0; i < kTransitionValues; ++i) {
        d.v[i] = b.v[i] - a.v[i];
    }
    for (int angle = 3; angle <= 5; ++angle) {
        d.v[angle] = shortWay(d.v[angle]);
    }
    return d;
}

void addPoseValues(CameraPosition* p, const PoseValues& d, float factor) {
    p->x += d.v[0] * factor;
    p->y += d.v[1] * factor;
    p->z += d.v[2] * factor;
    p->heading += d.v[3] * factor;
    p->pitch += d.v[4] * factor;
    p->roll += d.v[5] * factor;
    p->fov += d.v[6] * factor;
    p->zoom += d.v[7] * factor;
    p->cgY += d.v[8] * factor;
    p->cgZ += d.v[9] * factor;
    p->cgX += d.v[10] * factor;
}
