#include "cameras/targets/target_refresh.h"

#include "cameras/set/camera.h"
#include "cameras/set/camera_set.h"
#include "scene/ai_view.h"
#include "scene/engine_datarefs.h"
#include "cameras/set/camera_origin.h"
#include "shell/angles.h"
#include "xplane/sdk.h"

namespace {
double readDouble(XPLMDataRef ref) { return ref != nullptr ? XPLMGetDatad(ref) : 0.0; }

void worldOf(const OriginPose& pose, double* latitude, double* longitude) {
    double elevation = 0;
    XPLMLocalToWorld(pose.x, pose.y, pose.z, latitude, longitude, &elevation);
}

bool attachedToBoat(const Camera* camera) {
    return camera != nullptr && camera->external && !camera->freeCamera &&
           (camera->cameraOrigin == 1 || camera->cameraOrigin == 2);
}
}  // namespace

void getTargetReference(bool withAi, double* latitude, double* longitude) {
    Camera* camera = getCurrentCamera();
    if (withAi && (camera == nullptr || !camera->freeCamera) && followCurrentAIPlane()) {
        worldOf(getCurrentAIPlaneOrigin(), latitude, longitude);
        return;
    }
    if (attachedToBoat(camera)) {
        worldOf(getCameraOrigin(camera), latitude, longitude);
        return;
    }
    const EngineDataRefs& refs = engineDataRefs();
    *latitude = readDouble(refs.planeLatitude);
    *longitude = readDouble(refs.planeLongitude);
}

void refreshTarget(Target* target) {
    if (target->originType == TargetFixedPoint) {
        XPLMWorldToLocal(target->latitude, target->longitude, target->elevation, &target->localX,
                         &target->localY, &target->localZ);
    } else {
        OriginPose origin = getTargetOrigin(target->originType);
        target->localX = origin.x;
        target->localY = origin.y;
        target->localZ = origin.z;
        XPLMLocalToWorld(origin.x, origin.y, origin.z, &target->latitude, &target->longitude,
                         &target->elevation);
    }
    double latitude = 0;
    double longitude = 0;
    getTargetReference(true, &latitude, &longitude);
    if (target->latitude == latitude && target->longitude == longitude) {
        target->distance = 0;
    } else {
        target->distance = static_cast<float>(
            distanceLatLon(latitude, longitude, target->latitude, target->longitude, 'K'));
    }
}
