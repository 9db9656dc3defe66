#include "positioning/pipeline/pipeline.h"

#include <cmath>
#include <cstdint>

#include "cameras/set/camera.h"
#include "cameras/set/camera_selection.h"
#include "cameras/set/camera_set.h"
#include "cameras/set/free_camera.h"
#include "positioning/pipeline/camera_change.h"
#include "positioning/pipeline/camera_control.h"
#include "positioning/commands/camera_movement.h"
#include "positioning/pipeline/cockpit_output.h"
#include "positioning/commands/commands.h"
#include "scene/engine_datarefs.h"
#include "positioning/transitions/frame_rate.h"
#include "positioning/transitions/frames.h"
#include "scene/local_origin.h"
#include "positioning/pipeline/leveling.h"
#include "positioning/input/mouse_look.h"
#include "positioning/commands/movement.h"
#include "positioning/transitions/auto_advance.h"
#include "cameras/targets/near_targets.h"
#include "positioning/integration/plugin_links.h"
#include "cameras/set/same_camera.h"
#include "cameras/set/camera_tracking.h"
#include "positioning/transitions/transition_state.h"
#include "positioning/pipeline/view_ownership.h"
#include "scene/view_reset.h"
#include "shell/host_info.h"
#include "shell/plugin_state.h"
#include "xplane/sdk.h"

namespace {
const float kNearestAirportCameraInterval = 2.0f;

// Handed to X-Plane with the camera-control callback, which reads it.
CameraPosition position;
// The camera's pose of this frame before tracking, levelling and offsets.
// A delayed leg holds it, so the offsets go onto a fresh copy every pass
// instead of piling up on the held pose.
CameraPosition basePose;
Camera* lastCamera = nullptr;
bool lastCameraIsAirportCamera = false;
float elapsedTime = 0;

void checkNearestAirportCamera() {
    elapsedTime += getTimeSinceLastLoop();
    if (elapsedTime > kNearestAirportCameraInterval) {
        if (getAutoSelectNearestAirportCamera()) {
            selectCLosestAirportCamera();
        }
        elapsedTime = 0;
    }
}

void writeCinemaVerite(const Camera* camera) {
    if (XPLMDataRef cinemaVerite = engineDataRefs().cinemaVerite) {
        XPLMSetDatai(cinemaVerite, camera->cinemaVerite ? 1 : 0);
    }
}

// Plays one frame of the transition, or waits out a delay; returns the
// current camera, which the frames may have moved on.
Camera* playTransition(Camera* camera) {
    Frame* head = getTransitionFrame();
    int64_t now = getElapsedMilliSeconds();
    if (getWaitUntil() == 0 && head->delay > 0.0f) {
        setWaitUntil(now + std::llround(static_cast<double>(head->delay) * 1000.0));
    }
    if (getWaitUntil() != 0) {
        if (now > getWaitUntil()) {
            setWaitUntil(0);
            head->delay = 0;  // it plays on the next pass
        }
        lastCamera = camera;
        return camera;
    }
    basePose = head->pose;
    Frame* next = head->next;
    if (next != nullptr) {
        next->prev = nullptr;
    }
    delete head;
    advanceTransitionFrame(next);
    if (next != nullptr && next->camera != camera) {
        setCurrentCamera(next->camera);
        camera = next->camera;
        lastCamera = camera;
        lastCameraIsAirportCamera = camera->isAirportCamera != 0;
    }
    return camera;
}

bool hasTransition(const Camera* camera) {
    return camera->linearTransition || camera->smoothTransition || camera->bezierTransition;
}

void autoAdvance(Camera* camera) {
    if (isCurrentlyAnimating() || !camera->autoAdvance) {
        return;
    }
    Camera* next = peakNextCamera();
    if (next != nullptr && hasTransition(next) && allowAutoAdvance()) {
        getNextCamera(true);
    }
}
}  // namespace

void processCameraPosition() {
    Camera* cam = getCurrentCamera();
    if (cam == nullptr) {
        return;
    }
    setCurrentMovementRange(cam->initialMovementRange);
    if (!passViewGate()) {
        return;
    }
    if (lastCamera != nullptr && lastCamera != cam && lastCamera->cameraOrigin != cam->cameraOrigin) {
        selectNearestTarget();
    }
    if (!settleViewMode(cam, &position)) {
        return;
    }
    clearResetViewModes();
    if (getJustEnabled()) {
        saveOrginalPosition();
        clearJustEnabled();
    }
    checkNearestAirportCamera();
    smoothFrameRate();
    updateScenicFlyer(cam, 0);
    writeCinemaVerite(cam);

    // A free camera is its world point; X-Plane's local coordinates of it
    // change when X-Plane moves its local origin.
    if (localOriginShifted() && cam->freeCamera) {
        refreshFreeCameraLocal(cam);
    }
    if (Camera* reselected = restoreSameCamera(nullptr)) {
        lastCamera = reselected;
    }
    if (cam != lastCamera) {
        noticeNewCamera(cam, lastCamera);
    }
    applyCameraViewOptions(cam);
    applyCameraZoom(cam, lastCamera);
    if (lastCamera != nullptr && lastCamera != cam) {
        leaveCamera(lastCamera, lastCameraIsAirportCamera, cam);
    }
    lastCamera = cam;
    lastCameraIsAirportCamera = cam->isAirportCamera != 0;

    if (cam->enableCameraAxis) {
        checkCameraAxis(cam);
    }
    adjustNewOffsets(cam);
    if (isCurrentlyAnimating()) {
        cam = playTransition(cam);
    } else {
        checkMouseMove(cam);
        fillPosition(&basePose, cam);
    }

    position = basePose;
    if (!cam->external && cam->trackHeading) {
        findCGHeading(&position, cam, nullptr);
    }
    if (!cam->external && cam->trackPitch) {
        findCGPitch(&position, cam, nullptr);
    }
    if (cam->levelCamera) {
        levelCamera(&position, cam);
    }
    checkMouseLook(&position, cam);

    if (!cam->external) {
        CameraPosition shown = position;
        writeCockpitPose(cam, &shown);
    } else {
        setCurrentFreeCamera(cam);
        if (!isFreeCamera() || !isCameraHeld()) {
            if (!isFreeCamera()) {
                enableFreeCamera();
            }
            clearAutoEnable3dCockpit();
            if (!isCameraHeld()) {
                controlCamera(true, &position);
            }
            return;
        }
    }
    autoAdvance(cam);
}

void resetPipeline() {
    // Camera slots outlive the records read into them, so the camera left when
    // control went off is kept: the next selection moves from it and
    // remembers its pose. Only a slot the set no longer uses is forgotten.
    if (!isCameraOfSet(lastCamera)) {
        lastCamera = nullptr;
        lastCameraIsAirportCamera = false;
    }
    elapsedTime = 0;
    position = CameraPosition();
    basePose = CameraPosition();
}

const CameraPosition* getPipelinePosition() { return &position; }
