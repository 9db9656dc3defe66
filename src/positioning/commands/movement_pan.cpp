#include "positioning/commands/movement_pan.h"

#include "cameras/set/camera.h"
#include "cameras/set/camera_set.h"
#include "positioning/commands/movement.h"
#include "positioning/commands/movement_speeds.h"
#include "shell/settings.h"

namespace {
// The pan whose key is held; only its release ends the pan.
int activeCommand = 0;

void choosePanSpeed() {
    const Settings* settings = getSettings();
    if (!settings->ENABLE_PANSPEED_TOGGLE) {
        return;
    }
    const float factors[3] = {slowSpeedFactor(settings->panSpeedFactor), 1.0f,
                             settings->panSpeedFactor};
    setPanSpeedFactor(factors[getCurrentPanSpeed()]);
}

void turn(int panIndex, float r) {
    switch (panIndex) {
        case kCmdPanLeft: cameraMovePSI -= r; cameraMoveTHE = 0; break;
        case kCmdPanRight: cameraMovePSI += r; cameraMoveTHE = 0; break;
        case kCmdPanUp: cameraMoveTHE += r; cameraMovePSI = 0; break;
        case kCmdPanDown: cameraMoveTHE -= r; cameraMovePSI = 0; break;
        case kCmdPanLeftAndUp: cameraMovePSI -= r; cameraMoveTHE += r; break;
        case kCmdPanRightAndUp: cameraMovePSI += r; cameraMoveTHE += r; break;
        case kCmdPanRightAndDown: cameraMovePSI += r; cameraMoveTHE -= r; break;
        case kCmdPanLeftAndDown: cameraMovePSI -= r; cameraMoveTHE -= r; break;
        default: break;
    }
}

// A circle-view camera orbits: x is the angle around the origin, y the height.
void orbit(int panIndex, float m) {
    switch (panIndex) {
        case kCmdPanLeft: cameraMoveX = -m; break;
        case kCmdPanRight: cameraMoveX = m; break;
        case kCmdPanUp: cameraMoveY = m; break;
        case kCmdPanDown: cameraMoveY = -m; break;
        case kCmdPanLeftAndUp: cameraMoveX = -m; cameraMoveY = m; break;
        case kCmdPanRightAndUp: cameraMoveX = m; cameraMoveY = 2.0f * m; break;
        case kCmdPanRightAndDown: cameraMoveX = m; cameraMoveY = -m; break;
        case kCmdPanLeftAndDown: cameraMoveX = -m; cameraMoveY = -m; break;
        default: break;
    }
}
}  // namespace

int viewPanHandler(XPLMCommandRef, XPLMCommandPhase phase, int panIndex) {
    float m = movementStep();
    if (getWalkMode() && phase == xplm_CommandContinue) {
        return 0;
    }
    if (phase == xplm_CommandEnd) {
        if (panIndex == activeCommand) {
            KeyBoardCameraPositionKeyUp(nullptr);
            activeCommand = 0;
        }
        return 1;
    }
    choosePanSpeed();
    float r = rotationStep();
    Camera* camera = getCurrentCamera();
    if (camera != nullptr && camera->circleView) {
        orbit(panIndex, m);
    } else {
        turn(panIndex, r);
    }
    continuousMove = getWalkMode();
    activeCommand = panIndex;
    return 1;
}
