#include "positioning/pipeline/origin_view.h"

#include <cmath>

#include "positioning/pipeline/pose_angles.h"
#include "positioning/pipeline/rotation.h"
#include "positioning/pipeline/tracking.h"
#include "shell/angles.h"

namespace {
// How far ahead the look point lies.
const float kLookDistance = 5000.0f;

void moveTo(CameraPosition* p, const OriginPose& o) {
    p->x = static_cast<float>(p->x + o.x);
    p->y = static_cast<float>(p->y + o.y);
    p->z = static_cast<float>(p->z + o.z);
}

// p's fields, its position turned by o's attitude and moved to o.
void placeFromOrigin(const OriginPose& o, const CameraPosition& p, CameraPosition* out) {
    CameraPosition world = p;
    rotateByAttitude(&world, o.heading, o.pitch, o.roll);
    *out = p;
    out->x = static_cast<float>(o.x + world.x);
    out->y = static_cast<float>(o.y + world.y);
    out->z = static_cast<float>(o.z + world.z);
}

// A direction of p's own frame (x right, y up, z back) in the world.
CameraPosition turnedAxis(const OriginPose& o, const CameraPosition& p, float x, float y, float z) {
    CameraPosition axis;
    axis.x = x;
    axis.y = y;
    axis.z = z;
    rotateByAttitude(&axis, p.heading, p.pitch, p.roll);
    rotateByAttitude(&axis, o.heading, o.pitch, o.roll);
    return axis;
}

double dot(const CameraPosition& a, double x, double y, double z) {
    return a.x * x + a.y * y + a.z * z;
}
}  // namespace

void viewFromOrigin(const OriginPose& o, const CameraPosition& p, CameraPosition* out) {
    // The look point lies ahead of the pose along its own angles, from its own
    // position: aimed at a tracked point it lies on the line of sight through
    // that point.
    CameraPosition ahead;
    ahead.z = -kLookDistance;
    rotateByAttitude(&ahead, p.heading, p.pitch, p.roll);
    CameraPosition look = p;
    look.x += ahead.x;
    look.y += ahead.y;
    look.z += ahead.z;
    rotateByAttitude(&look, o.heading, o.pitch, o.roll);
    moveTo(&look, o);

    placeFromOrigin(o, p, out);

    // The direction from the look point back to the pose, turned round.
    float backPitch = pitchToPoint(&look, out->x, out->y, out->z);
    float backHeading = headingToPoint(&look, out->x, out->y, out->z);
    out->pitch = fixPitchRollAngle(-backPitch);
    out->heading = fixAngle(backHeading - 180.0f);
    out->roll = p.roll + getRoll(fixAngle(out->heading - o.heading), o.roll, o.pitch);
}

void exactViewFromOrigin(const OriginPose& o, const CameraPosition& p, CameraPosition* out) {
    placeFromOrigin(o, p, out);
    CameraPosition ahead = turnedAxis(o, p, 0, 0, -1);
    CameraPosition right = turnedAxis(o, p, 1, 0, 0);
    double sinPitch = ahead.y < -1.0f ? -1.0 : (ahead.y > 1.0f ? 1.0 : ahead.y);
    double heading = std::atan2(ahead.x, -ahead.z);
    double pitch = std::asin(sinPitch);
    // The roll is the turn about the line of sight that brings the level
    // right-hand axis of a view at this heading and pitch onto the view's own
    // (its right side going down).
    double sh = std::sin(heading), ch = std::cos(heading);
    double sp = std::sin(pitch), cp = std::cos(pitch);
    double roll = std::atan2(-dot(right, -sh * sp, cp, ch * sp), dot(right, ch, 0, sh));
    out->heading = fixAngle(static_cast<float>(rad2deg(heading)));
    out->pitch = static_cast<float>(rad2deg(pitch));
    out->roll = static_cast<float>(rad2deg(roll));
}
