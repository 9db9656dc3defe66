#include "positioning/pipeline/leveling.h"

#include <cmath>

#include "cameras/set/camera.h"
#include "positioning/commands/glance.h"
#include "scene/engine_datarefs.h"
#include "scene/pose_angles.h"
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
    // The world's up in the aircraft's frame (x right, y up, z aft): the
    // aircraft's roll and pitch undone.
    double st = std::sin(deg2rad(theta)), ct = std::cos(deg2rad(theta));
    double sr = std::sin(deg2rad(phi)), cr = std::cos(deg2rad(phi));
    double upX = -sr * ct, upY = cr * ct, upZ = -st;
    // X-Plane turns the head by its heading, then pitch, then roll, inside the
    // aircraft's turn. At the heading the head will show (a glance turns it
    // later), the pitch that puts the line of sight (sin h cos p, sin p,
    // -cos h cos p) on the horizon, on the heading's side; then the roll that
    // takes the right-hand axis level and keeps the up axis up.
    double h = deg2rad(p->heading + glanceDegrees());
    double sh = std::sin(h), ch = std::cos(h);
    double across = upZ * ch - upX * sh;
    double pitch = std::atan2(upY < 0 ? -across : across, std::fabs(upY));
    double sp = std::sin(pitch), cp = std::cos(pitch);
    double rightUp = upX * ch + upZ * sh;
    double upUp = -upX * sp * sh + upY * cp + upZ * sp * ch;
    double roll = std::atan2(rightUp, upUp);
    p->pitch = wrap(static_cast<float>(rad2deg(pitch)));
    p->roll = wrap(static_cast<float>(rad2deg(roll)));
    float slope = std::tan(radians(phi));
    if (!std::isfinite(slope) || slope > kMaxRollSlope) {
        slope = kMaxRollSlope;
    } else if (slope < -kMaxRollSlope) {
        slope = -kMaxRollSlope;
    }
    p->y += p->x * slope;
}
