#include "cameras/set/free_camera.h"

#include "positioning/pipeline/free_camera_sync.h"
#include "xplane/sdk.h"

void refreshFreeCamera(Camera* camera) {
    if (camera == nullptr || !camera->freeCamera) {
        return;
    }
    refreshFreeCameraLocal(camera);
    rememberCameraPosition(camera);
}

void updateFreeCameraLatLon(Camera* camera) {
    if (camera == nullptr) {
        return;
    }
    XPLMLocalToWorld(camera->x, camera->y, camera->z, &camera->latitude, &camera->longitude,
                     &camera->elevation);
}
