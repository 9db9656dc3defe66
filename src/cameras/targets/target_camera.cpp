#include "cameras/targets/target_camera.h"

#include "cameras/set/camera.h"
#include "cameras/set/camera_set.h"
#include "cameras/targets/near_targets.h"
#include "cameras/targets/target_grid.h"
#include "cameras/targets/targets.h"
#include "scene/origin.h"
#include "xplane/sdk.h"

int saveCameraAsTarget(const char* name) {
    Camera* camera = getCurrentCamera();
    double x = 0;
    double y = 0;
    double z = 0;
    Target* current = camera != nullptr && camera->targetFollowing ? getCurrentTarget() : nullptr;
    if (camera != nullptr && camera->freeCamera) {
        x = camera->x;
        y = camera->y;
        z = camera->z;
    } else if (current != nullptr && current->isFreeTarget) {
        x = current->localX;
        y = current->localY;
        z = current->localZ;
    } else {
        OriginPose aircraft = getAircraftOrigin();
        x = aircraft.x;
        y = aircraft.y;
        z = aircraft.z;
    }
    double latitude = 0;
    double longitude = 0;
    double elevation = 0;
    XPLMLocalToWorld(x, y, z, &latitude, &longitude, &elevation);
    if (!insertTarget(name, nullptr, latitude, longitude, elevation, TargetFixedPoint)) {
        return 0;
    }
    int saved = saveTargets();
    collectNearTargets();
    evaluateAndSortTargetDistance();
    return saved;
}

void toggleTargetReciprocal() {
    Camera* camera = getCurrentCamera();
    if (camera != nullptr && camera->targetFollowing) {
        camera->targetReciprocal = !camera->targetReciprocal;
    }
}

void toggleTargetfollowing() {
    Camera* camera = getCurrentCamera();
    if (camera != nullptr && camera->external && !camera->freeCamera) {
        camera->targetFollowing = !camera->targetFollowing;
    }
}
