#include "cameras/targets/target_following.h"

#include "cameras/set/camera.h"
#include "cameras/targets/near_targets.h"
#include "cameras/targets/target_refresh.h"
#include "cameras/set/camera_tracking.h"
#include "scene/tracking.h"

namespace {
// Above the target's reference point, clear of the aircraft, deck or ship.
float eyeRaise(int originType) {
    switch (originType) {
        case TargetMyAircraft:
            return 10.0f;
        case TargetAircraftCarrier:
            return 50.0f;
        case TargetFrigate:
            return 30.0f;
        default:
            return 0.0f;
    }
}
}  // namespace

void findTargetHeading(CameraPosition* p, const Target* target) {
    if (target != nullptr) {
        p->heading = headingToPoint(p, target->localX, target->localY, target->localZ);
    }
}

void findTargetPitch(CameraPosition* p, const Target* target) {
    if (target != nullptr) {
        p->pitch = pitchToPoint(p, target->localX, target->localY, target->localZ);
    }
}

bool aimAtCurrentTarget(Camera* camera, CameraPosition* out) {
    Target* target = getCurrentTarget();
    if (target == nullptr) {
        return false;
    }
    refreshTarget(target);
    if (camera->targetReciprocal) {
        out->x = static_cast<float>(target->localX);
        out->y = static_cast<float>(target->localY + eyeRaise(target->originType));
        out->z = static_cast<float>(target->localZ);
        // Looks at the origin's reference point itself, not its CG point.
        CameraPosition eye = *out;
        eye.cgX = 0;
        eye.cgY = 0;
        eye.cgZ = 0;
        findCGHeading(&eye, camera, nullptr);
        findCGPitch(&eye, camera, nullptr);
        out->heading = eye.heading;
        out->pitch = eye.pitch;
    } else {
        findTargetHeading(out, target);
        findTargetPitch(out, target);
    }
    target->pitch = out->pitch > 180.0f ? out->pitch - 360.0f : out->pitch;
    out->roll = 0;
    target->bearing = out->heading;
    return true;
}
