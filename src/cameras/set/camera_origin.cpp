#include "cameras/set/camera_origin.h"

#include "cameras/set/camera.h"
#include "cameras/set/camera_set.h"
#include "world/ai_reference.h"

OriginPose getCameraOrigin(const Camera* camera) {
    if (camera->external && !camera->freeCamera && (camera->cameraOrigin == 1 || camera->cameraOrigin == 2)) {
        return getBoatOrigin(camera->cameraOrigin - 1);
    }
    return getAircraftOrigin();
}

namespace {
// AI distances count from where the view is: a free camera's own point, else
// its origin's.
bool currentCameraReference(double* x, double* y, double* z) {
    Camera* camera = getCurrentCamera();
    if (camera == nullptr) {
        return false;
    }
    if (camera->freeCamera) {
        *x = camera->x;
        *y = camera->y;
        *z = camera->z;
        return true;
    }
    OriginPose origin = getCameraOrigin(camera);
    *x = origin.x;
    *y = origin.y;
    *z = origin.z;
    return true;
}
}  // namespace

void registerAiReferencePoint() { setAiReferenceSource(currentCameraReference); }
