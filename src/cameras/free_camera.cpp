#include "cameras/free_camera.h"

#include "xplane/sdk.h"

void refreshFreeCamera(Camera* camera) {
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
    rememberCameraPosition(camera);
}

void updateFreeCameraLatLon(Camera* camera) {
    if (camera == nullptr) {
        return;
    }
    XPLMLocalToWorld(camera->x, camera->y, camera->z, &camera->latitude, &camera->longitude,
                     &camera->elevation);
}
