#include "cameras/set/same_camera.h"

#include "cameras/set/camera.h"

namespace {
Camera reselectedCamera;
bool armed = false;
}  // namespace

Camera* restoreSameCamera(Camera* camera) {
    if (camera == nullptr) {
        if (!armed) {
            return nullptr;
        }
        armed = false;
        return &reselectedCamera;
    }
    reselectedCamera = *camera;
    armed = camera->smoothTransition || camera->linearTransition;
    camera->x = camera->savedPosition.x;
    camera->y = camera->savedPosition.y;
    camera->z = camera->savedPosition.z;
    camera->heading = camera->savedPosition.heading;
    camera->pitch = camera->savedPosition.pitch;
    return nullptr;
}
