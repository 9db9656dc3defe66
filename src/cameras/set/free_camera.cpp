#include "cameras/set/free_camera.h"

#include "shell/value_ranges.h"
#include "xplane/sdk.h"

void refreshFreeCameraLocal(Camera* camera) {
    if (camera == nullptr || !camera->freeCamera) {
        return;
    }
    double x = 0;
    double y = 0;
    double z = 0;
    XPLMWorldToLocal(camera->latitude, camera->longitude, camera->elevation, &x, &y, &z);
    camera->x = static_cast<float>(x);
    camera->y = static_cast<float>(y);
    camera->z = static_cast<float>(z);
}

void refreshFreeCamera(Camera* camera) {
    if (camera == nullptr || !camera->freeCamera) {
        return;
    }
    refreshFreeCameraLocal(camera);
    rememberCameraPosition(camera);
}

bool positionFitsTheCameraFile(const Camera* camera) {
    if (!isInRange(ValueKind::Offset, camera->x) || !isInRange(ValueKind::Offset, camera->y) ||
        !isInRange(ValueKind::Offset, camera->z)) {
        return false;
    }
    return !camera->freeCamera || (isInRange(ValueKind::Latitude, camera->latitude) &&
                                   isInRange(ValueKind::Longitude, camera->longitude) &&
                                   isInRange(ValueKind::Elevation, camera->elevation));
}

bool placeFreeCamera(Camera* camera, float x, float y, float z) {
    Camera moved = *camera;
    moved.x = x;
    moved.y = y;
    moved.z = z;
    updateFreeCameraLatLon(&moved);
    if (!positionFitsTheCameraFile(&moved)) {
        return false;
    }
    camera->x = x;
    camera->y = y;
    camera->z = z;
    camera->latitude = moved.latitude;
    camera->longitude = moved.longitude;
    camera->elevation = moved.elevation;
    return true;
}

void updateFreeCameraLatLon(Camera* camera) {
    if (camera == nullptr) {
        return;
    }
    XPLMLocalToWorld(camera->x, camera->y, camera->z, &camera->latitude, &camera->longitude,
                     &camera->elevation);
}
