#include "positioning/pipeline/camera_control.h"

#include <cmath>
#include <cstdint>

#include "cameras/set/camera.h"
#include "positioning/pipeline/cockpit_view.h"
#include "positioning/pipeline/external_pose.h"
#include "scene/fov.h"
#include "positioning/input/joystick_axes.h"
#include "positioning/pipeline/view_modes.h"
#include "positioning/pipeline/xplane_camera_pose.h"
#include "shell/host_info.h"
#include "shell/plugin_state.h"

namespace {
const int64_t kLostAfterMilliseconds = 500;
const int kZoomAxisRole = 2;

bool isBeingControlled = false;
// What X-Plane was last handed since the camera was taken, given again when a
// pose comes out non-finite.
XPLMCameraPosition_t lastGoodPose{};
bool hasLastGoodPose = false;
// controlZoom holds the camera without the pipeline's ownership state.
bool zoomHeld = false;
// While zoomWanted, X-Plane's 3-D cockpit is held to heldZoom, as the pipeline
// asked on its last pass; controlZoom is handed heldZoom.
bool zoomWanted = false;
float heldZoom = 1.0f;
int64_t lastCameraControlTime = 0;
Camera* currentFreeCamera = nullptr;
}  // namespace

void controlCamera(bool take, CameraPosition* pose) {
    if (take) {
        // Handing the camera from controlZoom to controlFreeCamera loses nothing.
        zoomHeld = false;
        XPLMControlCamera(xplm_ControlCameraForever, controlFreeCamera, pose);
        isBeingControlled = true;
        hasLastGoodPose = false;
        lastCameraControlTime = getElapsedMilliSeconds();
        return;
    }
    if (isBeingControlled || zoomHeld) {
        isBeingControlled = false;
        zoomHeld = false;
        XPLMDontControlCamera();
    }
}

int controlFreeCamera(XPLMCameraPosition_t* out, int isLosingControl, void* pose) {
    Camera* camera = currentFreeCamera;
    if (camera == nullptr || !isEnabled() || isLosingControl != 0 || out == nullptr ||
        pose == nullptr) {
        // Either way X-Plane has the camera back.
        isBeingControlled = false;
        return 0;
    }
    lastCameraControlTime = getElapsedMilliSeconds();
    CameraPosition given = *static_cast<const CameraPosition*>(pose);
    if (camera->xp9ChaseView) {
        camera->x = 0;
        camera->y = 0;
        camera->heading = 0;
        given.x = 0;
        given.y = 0;
        given.heading = 0;
    }
    CameraPosition p;
    translateExternalCameraPosition(camera, &p, &given);
    XPLMCameraPosition_t shown = toXPlaneCamera(p);
    float axis = 0;
    if (!isAxisCalibrationActive() && getAxisValue(kZoomAxisRole, &axis)) {
        shown.zoom = zoomFromAxis(axis);
    }
    if (!isFinitePosition(shown) || !std::isfinite(p.fov)) {
        // X-Plane keeps the last good pose; the camera's own stays as it was.
        // With none yet there is nothing to hand it: X-Plane's own camera
        // stays, since what the structure holds on entry is undefined.
        if (!hasLastGoodPose) {
            isBeingControlled = false;
            return 0;
        }
        *out = lastGoodPose;
        return 1;
    }
    *out = shown;
    lastGoodPose = shown;
    hasLastGoodPose = true;
    setFov(p.fov);
    camera->worldPose = p;
    return 1;
}

int controlZoom(XPLMCameraPosition_t* out, int isLosingControl, void* zoom) {
    if (isLosingControl != 0) {
        zoomHeld = false;
        return 0;
    }
    // The pose is X-Plane's own cockpit view, worked out afresh: what the
    // structure holds on entry, and what reading the camera gives while this
    // plug-in holds it, are undefined.
    XPLMCameraPosition_t view;
    if (out == nullptr || zoom == nullptr || !zoomWanted || !isEnabled() || !is3DCockpit() ||
        !xplaneCockpitView(&view)) {
        zoomHeld = false;
        return 0;
    }
    view.zoom = *static_cast<const float*>(zoom);
    *out = view;
    return 1;
}

void holdCockpitZoom(bool hold, float zoom) {
    zoomWanted = hold;
    heldZoom = zoom;
    if (!hold || zoomHeld || !is3DCockpit()) {
        return;
    }
    // A camera another plug-in holds is left to it.
    XPLMCameraControlDuration duration = xplm_ControlCameraForever;
    if (XPLMIsCameraBeingControlled(&duration) == 0) {
        XPLMControlCamera(xplm_ControlCameraForever, controlZoom, &heldZoom);
        zoomHeld = true;
    }
}

bool isCameraHeld() { return isBeingControlled; }

bool isCameraControlLost() {
    return isBeingControlled &&
           getElapsedMilliSeconds() - lastCameraControlTime > kLostAfterMilliseconds;
}

void setCurrentFreeCamera(Camera* camera) { currentFreeCamera = camera; }

Camera* getCurrentFreeCamera() { return currentFreeCamera; }
