#include "positioning/input/mouse_look.h"

#include "cameras/set/camera.h"
#include "cameras/targets/free_target.h"
#include "cameras/targets/near_targets.h"
#include "cameras/targets/target.h"
#include "libwinkit/message_box.h"
#include "positioning/input/mouse_buttons.h"
#include "positioning/input/mouse_scale.h"
#include "scene/pose_angles.h"
#include "positioning/transitions/smoother.h"
#include "positioning/transitions/transition_state.h"
#include "shell/settings.h"
#include "xplane/sdk.h"

namespace {
int mouseLook = 0;
int mouseStartingX = 0;
int mouseStartingY = 0;
int mouseMoveX = 0;
int mouseMoveY = 0;
MouseScale scale;
Smoother headingSmoother;
Smoother pitchSmoother;
bool lastMiddleMouseState = false;
// Whether this look paused X-Plane, so that its release undoes exactly that.
bool pausedByLook = false;

void togglePause() {
    if (XPLMCommandRef command = XPLMFindCommand("sim/operation/pause_toggle"))
        XPLMCommandOnce(command);
}

bool aimsFreeTarget(const Camera* camera) {
    if (!camera->targetFollowing || camera->targetReciprocal) return false;
    const Target* target = getCurrentTarget();
    return target && target->isFreeTarget;
}

bool lookButtonHeld(Camera* camera) {
    bool middle = getMiddleMouseButton() != 0;
    bool pressed = middle && !lastMiddleMouseState;
    lastMiddleMouseState = middle;
    switch (getSettings()->MIDDLE_MOUSE_BEHAVIOR) {
        case 0: return getRightMouseButton() || middle;
        case 1:
            if (pressed) camera->disable3DCockpitZoom = !camera->disable3DCockpitZoom;
            return getRightMouseButton();
        default: return getRightMouseButton();
    }
}

void startLook(Camera* camera) {
    XPLMGetMouseLocationGlobal(&mouseStartingX, &mouseStartingY);
    int window = getSettings()->MOUSE_SMOOTHING_FACTOR;
    initSmoother(&headingSmoother);
    initSmoother(&pitchSmoother);
    primeSmoother(&headingSmoother, window, 0);
    primeSmoother(&pitchSmoother, window, 0);
    if (getSettings()->PAUSE_ON_FREE_TARGET_AIM && aimsFreeTarget(camera)) {
        togglePause();
        pausedByLook = true;
    }
}

void endLook(CameraPosition* pose, Camera* camera) {
    if (aimsFreeTarget(camera) && !positionFreeTarget(&camera->worldPose))
        msgBox("Error",
               "Unable to position the free target.\n\nThere was no terrain found at the aim "
               "point.");
    endMouseLookPause();
    float dHeading = scale.headingPerPixel * static_cast<float>(mouseMoveX);
    float dPitch = scale.pitchPerPixel * static_cast<float>(mouseMoveY);
    if (isCurrentlyAnimating()) return;
    if (camera->retainMouseLookPosition) {
        pose->heading += dHeading;
        pose->pitch += dPitch;
        camera->heading += dHeading;
        camera->pitch += dPitch;
    } else if (camera->smoothTransition && !camera->external) {
        pose->heading += dHeading;
        pose->pitch += dPitch;
        transitionFromCurrentPosition();
    }
}
}  // namespace

int checkMouseLook(CameraPosition* pose, Camera* camera) {
    if (!camera) return mouseLook;
    if (lookButtonHeld(camera)) {
        // No display yet: nothing to measure the mouse against.
        if (!mouseLook && !readMouseScale(&scale)) return mouseLook;
        if (!mouseLook) startLook(camera);
        mouseLook = 1;
        int x = 0;
        int y = 0;
        XPLMGetMouseLocationGlobal(&x, &y);
        mouseMoveX = x - mouseStartingX;
        mouseMoveY = y - mouseStartingY;
    } else {
        if (mouseLook) endLook(pose, camera);
        mouseLook = 0;
    }
    return mouseLook;
}

void processMouseLook(Camera*, CameraPosition* pose) {
    if (!mouseLook || (mouseMoveX == 0 && mouseMoveY == 0)) return;
    int window = getSettings()->MOUSE_SMOOTHING_FACTOR;
    pose->heading = calculateNewAngle(
        pose->heading, smoothValue(&headingSmoother, window, mouseMoveX * scale.headingPerPixel));
    pose->pitch = calculateNewAngle(
        pose->pitch, smoothValue(&pitchSmoother, window, mouseMoveY * scale.pitchPerPixel));
}

int getMouseStartingX() { return mouseStartingX; }
int getMouseStartingY() { return mouseStartingY; }

void cancelMouseLook() {
    mouseLook = 0;
    mouseMoveX = 0;
    mouseMoveY = 0;
    endMouseLookPause();
}

// Only a pause still on is toggled: one the user took off meanwhile stays off.
void endMouseLookPause() {
    if (!pausedByLook) return;
    pausedByLook = false;
    XPLMDataRef paused = XPLMFindDataRef("sim/time/paused");
    if (paused && XPLMGetDatai(paused) != 0) togglePause();
}
