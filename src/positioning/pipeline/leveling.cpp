#include "positioning/pipeline/leveling.h"

#include <cmath>

#include "cameras/set/camera.h"
#include "positioning/pipeline/engine_datarefs.h"
#include "positioning/pipeline/pose_angles.h"
#include "shell/angles.h"
#include "xplane/sdk.h"

namespace {
// The height correction grows with tan(roll); near 90 degrees of roll it would
// throw the head kilometres away, so its slope is held at that of 75 degrees.
const float kMaxRollSlope = 3.7320508f;

float readFloat(XPLMDataRef ref) { return ref != nullptr ? XPLMGetDataf(ref) : 0.0f; }

float wrap(float angle) { return calculateNewAngle(0.0f, angle); }
}  // namespace

void levelCamera(CameraPosition* p, Camera* camera) {
    if (camera->external) {
        return;
    }
    const EngineDataRefs& refs = engineDataRefs();
    float theta = readFloat(refs.planeTheta);
    float phi = readFloat(refs.planePhi);
    if (phi < 0.0f) {
        phi += 360.0f;
    }
    float h = radians(p->heading);
    float pitchTurn = adjustToZero(theta);
    float rollTurn = adjustToZero(phi);
    p->pitch = wrap(pitchTurn * std::cos(h) - rollTurn * std::sin(h));
    p->roll = wrap(pitchTurn * std::sin(h) + rollTurn * std::cos(h));
    float slope = std::tan(radians(phi));
    if (!std::isfinite(slope) || slope > kMaxRollSlope) {
        slope = kMaxRollSlope;
    } else if (slope < -kMaxRollSlope) {
        slope = -kMaxRollSlope;
    }
    p->y += p->x * slope;
}
