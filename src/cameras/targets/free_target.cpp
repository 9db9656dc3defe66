#include "cameras/targets/free_target.h"

#include <algorithm>
#include <cmath>

#include "cameras/set/camera.h"
#include "cameras/set/camera_set.h"
#include "cameras/targets/fixed_targets.h"
#include "cameras/set/camera_origin.h"
#include "scene/pose_angles.h"
#include "scene/terrain.h"
#include "shell/angles.h"
#include "xplane/sdk.h"

namespace {
const float kRaise = 1.0f;
const float kBoatEyeHeight = 100.0f;
const float kResetPitch = 350.0f;
// Beyond this the free target would be dropped as too far anyway.
const double kMaxAimDistance = 55560.0;
// How close to the line of sight the terrain point has to be.
const double kTolerance = 0.01;
const int kMaxRefinements = 40;

struct Sight {
    double x, y, z;       // the eye
    double east, south;   // horizontal direction
    double drop;          // metres down per metre ahead
};

struct Ground {
    bool hit = false;
    double y = 0;
};

Ground groundAt(const Sight& sight, double ahead) {
    CameraPosition at;
    at.x = static_cast<float>(sight.x + sight.east * ahead);
    at.y = static_cast<float>(sight.y);
    at.z = static_cast<float>(sight.z + sight.south * ahead);
    Ground ground;
    ground.hit = probeY(&at, &ground.y);
    return ground;
}

// Height of the line of sight above the ground, `ahead` metres out.
double clearance(const Sight& sight, double ahead, const Ground& ground) {
    return sight.y - sight.drop * ahead - ground.y;
}

void place(double x, double y, double z) {
    Target* target = getFreeTarget();
    target->localX = x;
    target->localY = y;
    target->localZ = z;
    XPLMLocalToWorld(x, y, z, &target->latitude, &target->longitude, &target->elevation);
}

// The distance ahead where the line of sight meets the terrain. On flat
// ground the first guess, height over the drop, is exact; on uneven ground
// the crossing is bracketed and then narrowed by false position.
bool findCrossing(const Sight& sight, double* ahead, Ground* ground) {
    Ground below = groundAt(sight, 0);
    if (!below.hit) {
        return false;
    }
    double near = 0;
    double nearClearance = clearance(sight, 0, below);
    if (nearClearance <= 0) {
        *ahead = 0;  // the eye is at or under the ground
        *ground = below;
        return true;
    }
    double far = nearClearance / sight.drop;
    Ground farGround = groundAt(sight, far);
    if (!farGround.hit) {
        return false;
    }
    double farClearance = clearance(sight, far, farGround);
    while (farClearance > kTolerance) {
        if (far >= kMaxAimDistance) {
            return false;
        }
        near = far;
        nearClearance = farClearance;
        far = std::min(far * 2.0, kMaxAimDistance);
        farGround = groundAt(sight, far);
        if (!farGround.hit) {
            return false;
        }
        farClearance = clearance(sight, far, farGround);
    }
    for (int i = 0; i < kMaxRefinements && farClearance < -kTolerance; ++i) {
        double between = near + (far - near) * nearClearance / (nearClearance - farClearance);
        Ground betweenGround = groundAt(sight, between);
        if (!betweenGround.hit) {
            return false;
        }
        double betweenClearance = clearance(sight, between, betweenGround);
        if (betweenClearance > 0) {
            near = between;
            nearClearance = betweenClearance;
        } else {
            far = between;
            farClearance = betweenClearance;
            farGround = betweenGround;
        }
    }
    *ahead = far;
    *ground = farGround;
    return true;
}
}  // namespace

bool positionFreeTarget(const CameraPosition* pose) {
    float pitch = fixPitchRollAngle(pose->pitch);
    if (!(pitch > -90.0f && pitch < 0.0f)) {
        return false;
    }
    Target* target = getFreeTarget();
    setTargetName(target, "Free Target");
    target->date[0] = 0;
    target->isFreeTarget = 1;
    target->originType = TargetFixedPoint;

    Sight sight;
    sight.x = pose->x;
    sight.y = pose->y;
    sight.z = pose->z;
    sight.east = std::sin(radians(pose->heading));
    sight.south = -std::cos(radians(pose->heading));
    sight.drop = std::tan(radians(std::fabs(pitch)));

    double ahead = 0;
    Ground ground;
    if (!findCrossing(sight, &ahead, &ground)) {
        // Put above the eye, the target would have its camera look straight
        // up, and from there no aim could look down to place it again.
        return false;
    }
    place(sight.x + sight.east * ahead, ground.y + kRaise, sight.z + sight.south * ahead);
    return true;
}

void resetFreeTarget() {
    Camera* camera = getCurrentCamera();
    OriginPose origin = getAircraftOrigin();
    float raise = 0;
    if (camera != nullptr && camera->external && !camera->freeCamera &&
        (camera->cameraOrigin == 1 || camera->cameraOrigin == 2)) {
        origin = getCameraOrigin(camera);
        raise = kBoatEyeHeight;
    }
    CameraPosition eye;
    eye.x = static_cast<float>(origin.x);
    eye.y = static_cast<float>(origin.y + raise);
    eye.z = static_cast<float>(origin.z);
    eye.heading = origin.heading;
    eye.pitch = kResetPitch;
    if (!positionFreeTarget(&eye)) {
        // Left where it was, it would be out of reach still: above the
        // origin it is near, and its cameras look down at it.
        place(eye.x, eye.y + kRaise, eye.z);
    }
}
