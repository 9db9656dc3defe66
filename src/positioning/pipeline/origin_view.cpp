#include "positioning/pipeline/origin_view.h"

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

    CameraPosition world = p;
    rotateByAttitude(&world, o.heading, o.pitch, o.roll);
    *out = p;
    out->x = static_cast<float>(o.x + world.x);
    out->y = static_cast<float>(o.y + world.y);
    out->z = static_cast<float>(o.z + world.z);

    // The direction from the look point back to the pose, turned round.
    float backPitch = pitchToPoint(&look, out->x, out->y, out->z);
    float backHeading = headingToPoint(&look, out->x, out->y, out->z);
    out->pitch = fixPitchRollAngle(-backPitch);
    out->heading = fixAngle(backHeading - 180.0f);
    out->roll = p.roll + getRoll(fixAngle(out->heading - o.heading), o.roll, o.pitch);
}
