#include "panels/control_panel/exclusive_modes.h"

#include "cameras/set/camera.h"
#include "cameras/set/free_camera.h"
#include "scene/engine_datarefs.h"
#include "xplane/sdk.h"

namespace {

enum MovementRange { kMedium = 1, kLarge = 2, kVeryLarge = 3 };

// Behind the aircraft's tail by d metres past its length, looking ahead.
void startingOffset(Camera* camera, float d) {
    XPLMDataRef length = engineDataRefs().aircraftSizeZ;
    camera->x = 0;
    camera->y = 0;
    camera->z = (length != nullptr ? XPLMGetDataf(length) : 0.0f) + d;
    camera->heading = 0;
    camera->pitch = 0;
}

void zeroPose(Camera* camera) {
    camera->x = 0;
    camera->y = 0;
    camera->z = 0;
    camera->heading = 0;
    camera->pitch = 0;
}

// A free camera sits at a world position; leaving that mode starts from the aircraft.
void leaveFreeCamera(Camera* camera) {
    if (camera->freeCamera) {
        zeroPose(camera);
        rememberCameraPosition(camera);
    }
}

double readDouble(XPLMDataRef ref) { return ref != nullptr ? XPLMGetDatad(ref) : 0.0; }

}  // namespace

void externalChanged(Camera* camera, bool ticked) {
    if (ticked) {
        startingOffset(camera, 10.0f);
        camera->initialMovementRange = kLarge;
        camera->cameraOrigin = 0;
        rememberCameraPosition(camera);
        return;
    }
    camera->circleView = false;
    camera->aglCamera = false;
    camera->cineflex = false;
    camera->targetFollowing = false;
    camera->xp9ChaseView = false;
    if (camera->freeCamera) {
        zeroPose(camera);
        camera->freeCamera = false;
    }
    rememberCameraPosition(camera);
    camera->initialMovementRange = kMedium;
    camera->cameraOrigin = 0;
}

void trackHeadingChanged(Camera* camera, bool ticked) {
    if (ticked) {
        camera->cineflex = false;
        camera->xp9ChaseView = false;
    } else {
        camera->circleView = false;
    }
}

void trackPitchChanged(Camera* camera, bool ticked) {
    if (ticked) {
        if (!camera->external) {
            camera->levelCamera = false;
        }
        camera->cineflex = false;
        camera->xp9ChaseView = false;
    } else {
        camera->circleView = false;
    }
}

void cineflexTicked(Camera* camera) {
    leaveFreeCamera(camera);
    if (!camera->external) {
        startingOffset(camera, 10.0f);
        rememberCameraPosition(camera);
    }
    camera->circleView = false;
    camera->aglCamera = false;
    camera->limitTrackIR = false;
    camera->freeCamera = false;
    camera->levelCamera = false;
    camera->trackHeading = false;
    camera->trackPitch = false;
    camera->xp9ChaseView = false;
    camera->targetFollowing = false;
    camera->external = true;
    camera->initialMovementRange = kLarge;
}

void chaseViewTicked(Camera* camera) {
    camera->circleView = false;
    camera->freeCamera = false;
    camera->aglCamera = false;
    camera->trackIR = false;
    camera->limitTrackIR = false;
    camera->cineflex = false;
    camera->targetFollowing = false;
    camera->levelCamera = false;
    camera->trackHeading = false;
    camera->trackPitch = false;
    camera->external = true;
    startingOffset(camera, 20.0f);
    camera->initialMovementRange = kLarge;
}

void circleViewTicked(Camera* camera) {
    camera->xp9ChaseView = false;
    camera->freeCamera = false;
    camera->aglCamera = false;
    camera->trackIR = false;
    camera->limitTrackIR = false;
    camera->cineflex = false;
    camera->targetFollowing = false;
    camera->external = true;
    camera->levelCamera = true;
    camera->trackHeading = true;
    camera->trackPitch = true;
    startingOffset(camera, 30.0f);
    camera->initialMovementRange = kVeryLarge;
    rememberCameraPosition(camera);
    camera->temporaryPositioning = false;
}

void targetFollowingTicked(Camera* camera) {
    leaveFreeCamera(camera);
    camera->circleView = false;
    camera->aglCamera = false;
    camera->limitTrackIR = false;
    camera->freeCamera = false;
    camera->xp9ChaseView = false;
    camera->cineflex = false;
    camera->external = true;
    camera->initialMovementRange = kLarge;
}

void freeCameraChanged(Camera* camera, bool ticked) {
    if (!ticked) {
        zeroPose(camera);
        rememberCameraPosition(camera);
        return;
    }
    camera->trackHeading = false;
    camera->trackPitch = false;
    camera->circleView = false;
    camera->aglCamera = false;
    camera->limitTrackIR = false;
    camera->cineflex = false;
    camera->targetFollowing = false;
    camera->xp9ChaseView = false;
    camera->external = true;
    camera->cameraOrigin = 0;
    // Fifteen metres above the aircraft, looking where it points.
    const EngineDataRefs& refs = engineDataRefs();
    camera->x = static_cast<float>(readDouble(refs.planeLocalX));
    camera->y = static_cast<float>(readDouble(refs.planeLocalY) + 15.0);
    camera->z = static_cast<float>(readDouble(refs.planeLocalZ));
    camera->heading = refs.planePsi != nullptr ? XPLMGetDataf(refs.planePsi) : 0.0f;
    camera->pitch = 0;
    camera->roll = 0;
    camera->initialMovementRange = kLarge;
    updateFreeCameraLatLon(camera);
    rememberCameraPosition(camera);
}

void aglCameraTicked(Camera* camera) {
    camera->circleView = false;
    camera->cineflex = false;
    camera->targetFollowing = false;
    camera->xp9ChaseView = false;
    camera->external = true;
    if (!camera->freeCamera) {
        startingOffset(camera, 10.0f);
        rememberCameraPosition(camera);
    }
    camera->initialMovementRange = kLarge;
    camera->heightAboveAgl = 1.0f;
}

void cameraOriginChanged(Camera* camera) {
    if (camera->cameraOrigin != 1 && camera->cameraOrigin != 2) {
        return;
    }
    camera->x = 100;
    camera->y = 100;
    camera->z = 0;
    camera->heading = 270;
    camera->pitch = 0;
    camera->roll = 0;
    camera->trackHeading = true;
    camera->trackPitch = true;
}
