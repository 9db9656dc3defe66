#include "positioning/camera_control.h"

#include "shell/host_info.h"
#include "xplane/sdk.h"

namespace {
bool isBeingControlled = false;
int64_t lastCameraControlTime = 0;

int controlFreeCamera(XPLMCameraPosition_t* out, int isLosingControl, void* pose) {
    if (isLosingControl || out == nullptr || pose == nullptr) {
        isBeingControlled = false;
        return 0;
    }
    const CameraPosition* position = static_cast<const CameraPosition*>(pose);
    out->x = position->x;
    out->y = position->y;
    out->z = position->z;
    out->heading = position->heading;
    out->pitch = position->pitch;
    out->roll = position->roll;
    out->zoom = position->zoom;
    lastCameraControlTime = getElapsedMilliSeconds();
    return 1;
}
}  // namespace

void controlCamera(bool take, CameraPosition* pose) {
    if (take) {
        XPLMControlCamera(xplm_ControlCameraForever, controlFreeCamera, pose);
        isBeingControlled = true;
        lastCameraControlTime = getElapsedMilliSeconds();
        return;
    }
    if (isBeingControlled) {
        XPLMDontControlCamera();
        isBeingControlled = false;
    }
}

bool isCameraHeld() { return isBeingControlled; }
