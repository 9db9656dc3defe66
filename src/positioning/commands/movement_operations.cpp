// positionCamera: the movement operations of commands, panel buttons and the
// capture window's wheel.
#include "cameras/set/camera.h"
#include "cameras/set/camera_position.h"
#include "cameras/set/camera_set.h"
#include "scene/engine_datarefs.h"
#include "positioning/pipeline/external_pose.h"
#include "positioning/commands/movement.h"
#include "positioning/commands/movement_speeds.h"
#include "scene/rotation.h"
#include "positioning/transitions/transition_state.h"
#include "shell/angles.h"
#include "shell/plugin_state.h"
#include "xplane/sdk.h"

namespace {
enum Operation {
    kForward = 0, kBackward, kLeft, kRight, kUp, kDown, kPitchUp, kPitchDown, kTurnLeft,
    kTurnRight, kWalkMode, kHome, kZeroBearing, kZeroPitch, kRangeUp, kRangeDown,
};
const int kLargestRange = 3;

float aircraftHeading() {
    XPLMDataRef psi = engineDataRefs().planePsi;
    return psi != nullptr ? XPLMGetDataf(psi) : 0.0f;
}

// The heading that "forward" follows.
float referenceHeading(const Camera* camera) {
    if (camera->cineflex) {
        return fixAngle(camera->heading - aircraftHeading());
    }
    return getXPRealisticHeading(camera);
}

void toggleWalkMode() {
    if (getWalkMode()) {
        clearMovementAccumulators();
    }
    int on = !getWalkMode();
    setWalkMode(on);
    continuousMove = on;
}

void changeRange(Camera* camera, int delta) {
    int range = getCurrentMovementRange() + delta;
    if (range < 0 || range > kLargestRange) {
        return;
    }
    setCurrentMovementRange(range);
    camera->initialMovementRange = range;
}

void goHome(Camera* camera) {
    const CameraPosition* start = getLastPosition();
    camera->x = start->x;
    camera->y = start->y;
    camera->z = start->z;
    camera->heading = 0;
    camera->pitch = 0;
}
}  // namespace

void positionCamera(int operation, int continuous) {
    if (isCurrentlyAnimating()) {
        stopAnimationRequest();
        return;
    }
    Camera* camera = getCurrentCamera();
    if (camera == nullptr) {
        return;
    }
    float m = movementStep();
    float r = rotationStep();
    CameraPosition d;
    d.x = d.y = d.z = 0;
    switch (operation) {
        case kForward: d.z = -m; break;
        case kBackward: d.z = m; break;
        case kLeft: d.x = -m; break;
        case kRight: d.x = m; break;
        case kUp:
        case kDown:
            // An AGL camera keeps its height above the ground.
            if (camera->aglCamera) {
                return;
            }
            d.y = operation == kUp ? m : -m;
            break;
        case kPitchUp: cameraMoveTHE += r; break;
        case kPitchDown: cameraMoveTHE -= r; break;
        case kTurnLeft: cameraMovePSI -= r; break;
        case kTurnRight: cameraMovePSI += r; break;
        case kWalkMode: toggleWalkMode(); return;
        case kHome: goHome(camera); return;
        case kZeroBearing: camera->heading = camera->cineflex ? aircraftHeading() : 0.0f; return;
        case kZeroPitch: camera->pitch = 0; return;
        case kRangeUp: changeRange(camera, 1); return;
        case kRangeDown: changeRange(camera, -1); return;
        default: return;
    }
    continuousMove = continuous;
    // A circle-view camera reads x as an angle around its origin, so its step
    // is not turned into the line of sight.
    if (!camera->circleView) {
        rotate3D(&d, camera->pitch, 0, 0);
        rotate3D(&d, 0, referenceHeading(camera), 0);
    }
    cameraMoveX += d.x;
    cameraMoveY += d.y;
    cameraMoveZ += d.z;
}
