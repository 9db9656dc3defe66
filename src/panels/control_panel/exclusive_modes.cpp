#include "panels/control_panel/exclusive_modes.h"

#include <cstddef>

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

// The changes of a box that act on the other modes' boxes: ticking each mode,
// or leaving the external modes, or ticking and unticking heading or pitch
// tracking.
enum ModeChange {
    kLeaveExternal,
    kCineflex,
    kChaseView,
    kCircleView,
    kTargetFollowing,
    kFreeCamera,
    kAglCamera,
    kTrackingOn,
    kTrackingOff,
    kModeChangeCount
};

struct FlagRow {
    bool Camera::*flag;
    // One column per change, in the order above: x switches the flag off,
    // + on, . leaves it.
    const char* effects;
};

template <size_t N>
constexpr FlagRow flagRow(bool Camera::*flag, const char (&effects)[N]) {
    static_assert(N == 2 * kModeChangeCount, "one column per change");
    return FlagRow{flag, effects};
}

// E leave external, C cineflex, H chase view, O circle view, T target
// following, F free camera, A AGL camera, K tracking on, U tracking off.
const FlagRow kFlagRows[] = {
    //                                     E C H O T F A K U
    flagRow(&Camera::circleView,          "x x x . x x x . x"),
    flagRow(&Camera::aglCamera,           "x x x x x x . . ."),
    flagRow(&Camera::cineflex,            "x . x x x x x x ."),
    flagRow(&Camera::targetFollowing,     "x x x x . x x . ."),
    flagRow(&Camera::xp9ChaseView,        "x x . x x x x x ."),
    flagRow(&Camera::freeCamera,          "x x x x x . . . ."),
    flagRow(&Camera::limitTrackIR,        ". x x x x x . . ."),
    flagRow(&Camera::trackIR,             ". . x x . . . . ."),
    flagRow(&Camera::levelCamera,         ". x x + . . . . ."),
    flagRow(&Camera::trackHeading,        ". x x + . x . . ."),
    flagRow(&Camera::trackPitch,          ". x x + . x . . ."),
    flagRow(&Camera::external,            ". + + + + + + . ."),
};

// Reads of the flags a change also sets come before it.
void applyModeChange(Camera* camera, ModeChange change) {
    for (const FlagRow& row : kFlagRows) {
        char effect = row.effects[2 * change];
        if (effect == 'x') {
            camera->*row.flag = false;
        } else if (effect == '+') {
            camera->*row.flag = true;
        }
    }
}

}  // namespace

void externalChanged(Camera* camera, bool ticked) {
    if (ticked) {
        startingOffset(camera, 10.0f);
        camera->initialMovementRange = kLarge;
        camera->cameraOrigin = 0;
        rememberCameraPosition(camera);
        return;
    }
    if (camera->freeCamera) {
        zeroPose(camera);
    }
    applyModeChange(camera, kLeaveExternal);
    rememberCameraPosition(camera);
    camera->initialMovementRange = kMedium;
    camera->cameraOrigin = 0;
}

void trackHeadingChanged(Camera* camera, bool ticked) {
    applyModeChange(camera, ticked ? kTrackingOn : kTrackingOff);
}

void trackPitchChanged(Camera* camera, bool ticked) {
    // A cockpit camera that follows the pitch cannot also stay level.
    if (ticked && !camera->external) {
        camera->levelCamera = false;
    }
    applyModeChange(camera, ticked ? kTrackingOn : kTrackingOff);
}

void cineflexTicked(Camera* camera) {
    leaveFreeCamera(camera);
    if (!camera->external) {
        startingOffset(camera, 10.0f);
        rememberCameraPosition(camera);
    }
    applyModeChange(camera, kCineflex);
    camera->initialMovementRange = kLarge;
}

void chaseViewTicked(Camera* camera) {
    applyModeChange(camera, kChaseView);
    startingOffset(camera, 20.0f);
    camera->initialMovementRange = kLarge;
}

void circleViewTicked(Camera* camera) {
    applyModeChange(camera, kCircleView);
    startingOffset(camera, 30.0f);
    camera->initialMovementRange = kVeryLarge;
    rememberCameraPosition(camera);
    camera->temporaryPositioning = false;
}

void targetFollowingTicked(Camera* camera) {
    leaveFreeCamera(camera);
    applyModeChange(camera, kTargetFollowing);
    camera->initialMovementRange = kLarge;
}

void freeCameraChanged(Camera* camera, bool ticked) {
    if (!ticked) {
        zeroPose(camera);
        rememberCameraPosition(camera);
        return;
    }
    applyModeChange(camera, kFreeCamera);
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
    applyModeChange(camera, kAglCamera);
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
