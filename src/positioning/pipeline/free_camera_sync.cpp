#include "positioning/pipeline/free_camera_sync.h"

#include "cameras/set/camera.h"
#include "xplane/sdk.h"

namespace {
bool originKnown = false;
double originLatitude = 0;
double originLongitude = 0;
double originElevation = 0;
}  // namespace

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

bool localOriginShifted() {
    double latitude = 0;
    double longitude = 0;
    double elevation = 0;
    XPLMLocalToWorld(0, 0, 0, &latitude, &longitude, &elevation);
    bool shifted = originKnown && (latitude != originLatitude || longitude != originLongitude ||
                                   elevation != originElevation);
    originKnown = true;
    originLatitude = latitude;
    originLongitude = longitude;
    originElevation = elevation;
    return shifted;
}
