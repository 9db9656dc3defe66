#include "cameras/set/cockpit_correction.h"

#include <cmath>

#include "cameras/set/camera_set.h"

namespace {
const float kNearPilot = 5.0f;

bool isNear(const Camera& camera, const Camera& pilot) {
    return std::fabs(camera.x - pilot.x) < kNearPilot && std::fabs(camera.y - pilot.y) < kNearPilot &&
           std::fabs(camera.z - pilot.z) < kNearPilot;
}
}  // namespace

void attempAutoCorrectCockpitCamera(Camera* reference) {
    Camera* pilot = getCameraSetHead();
    if (reference == nullptr || pilot == nullptr) {
        return;
    }
    float dx = reference->x - pilot->x;
    float dy = reference->y - pilot->y;
    float dz = reference->z - pilot->z;

    // Chosen before any camera moves, against the pilot camera where it was.
    static Camera* moving[kMaxCategories * kMaxCamerasPerCategory];
    int count = 0;
    moving[count++] = pilot;
    for (int c = 0; c < getNumberOfCategories(); ++c) {
        Category* category = getCategory(c);
        for (int i = 0; i < category->numberOfCameras; ++i) {
            Camera* camera = &category->cameras[i];
            if (camera != pilot && !camera->external && isNear(*camera, *pilot)) {
                moving[count++] = camera;
            }
        }
    }
    for (int i = 0; i < count; ++i) {
        Camera* camera = moving[i];
        camera->x = camera->x > 0 ? camera->x - dx : camera->x + dx;
        camera->y += dy;
        camera->z += dz;
        rememberCameraPosition(camera);
    }
}
