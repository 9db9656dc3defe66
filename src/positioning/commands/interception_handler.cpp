// X_PlaneCommandHandler: which of X-Plane's commands the plug-in consumes, and
// what they do to the current camera.
#include <cstdint>

#include "cameras/set/camera.h"
#include "cameras/set/camera_set.h"
#include "cameras/set/control_panel_shown.h"
#include "positioning/commands/commands_table.h"
#include "positioning/commands/glance.h"
#include "positioning/commands/interception.h"
#include "positioning/commands/interception_looks.h"
#include "positioning/commands/interception_quick_look.h"
#include "positioning/commands/interception_table.h"
#include "positioning/commands/movement.h"
#include "positioning/commands/movement_pan.h"
#include "positioning/commands/movement_speeds.h"
#include "positioning/pipeline/view_modes.h"
#include "shell/plugin_state.h"
#include "shell/settings.h"

namespace {
const int kSwallowedContinueCalls = 10;
const int kMoveDirections = 6;

// Move-command continue calls swallowed since the last begin phase, so that
// a held key moves once, pauses, then moves every frame.
int continueCycles = 0;

bool isMove(int index) { return index >= kXpMoveForward && index <= kXpMoveDownSlow; }

bool isQuickLook(int index) { return index >= kXpQuickLook0 && index <= kXpQuickLook19; }

bool isQuickLookMemory(int index) {
    return index >= kXpQuickLookMem0 && index <= kXpQuickLookMem19;
}

bool isZoom(int index) { return index >= kXpZoomIn && index <= kXpZoomOutFast; }

// The plug-in's Pan command an intercepted pan, rotate or hat-switch command
// stands for; 0 for other commands.
int panIndexOf(int index) {
    switch (index) {
        case 0:
        case 6:
        case 8:
        case 14:
        case 16:
        case 61: return kCmdPanUp;
        case 1:
        case 7:
        case 9:
        case 15:
        case 17:
        case 65: return kCmdPanDown;
        case 2:
        case 5:
        case 10:
        case 13:
        case 18:
        case 63: return kCmdPanRight;
        case 3:
        case 4:
        case 11:
        case 12:
        case 19:
        case 67: return kCmdPanLeft;
        case 62: return kCmdPanRightAndUp;
        case 64: return kCmdPanRightAndDown;
        case 66: return kCmdPanLeftAndDown;
        case 68: return kCmdPanLeftAndUp;
        default: return 0;
    }
}

// The 3-D cockpit, or X-Plane's free camera showing an external camera.
bool viewTakesCommands() {
    if (is3DCockpit()) {
        return true;
    }
    Camera* camera = getCurrentCamera();
    return isFreeCamera() && camera != nullptr && camera->external;
}

// Slow and fast variants scale the speeds of this command.
void chooseSpeedFactors(int index) {
    const Settings* settings = getSettings();
    setPanSpeedFactor(1.0f);
    setMovementSpeedFactor(1.0f);
    if (index >= kXpRotUpSlow && index <= kXpRotLeftSlow) {
        setPanSpeedFactor(slowSpeedFactor(settings->panSpeedFactor));
    } else if (index >= kXpPanLeftFast && index <= kXpRotLeftFast) {
        setPanSpeedFactor(settings->panSpeedFactor);
    }
    if (index >= kXpMoveForwardSlow && index <= kXpMoveDownSlow) {
        setMovementSpeedFactor(slowSpeedFactor(settings->movementSpeedFactor));
    } else if (index >= kXpMoveForwardFast && index < kXpMoveForwardSlow) {
        setMovementSpeedFactor(settings->movementSpeedFactor);
    }
}

int act(XPLMCommandRef commandRef, XPLMCommandPhase phase, int index) {
    if (int pan = panIndexOf(index)) {
        viewPanHandler(commandRef, phase, pan);
        return 0;
    }
    if (index == kXpForward || index == kXpForwardWithPanel) {
        return 1;
    }
    if (index >= kXpLeftUp && index <= kXpLeft45) {
        lookDirection(index, phase);
        return 0;
    }
    if (isMove(index)) {
        positionCamera((index - kXpMoveForward) % kMoveDirections, getWalkMode());
        return 0;
    }
    if (isZoom(index)) {
        return zoomExternalCamera(index) ? 0 : 1;
    }
    return 1;
}
}  // namespace

int X_PlaneCommandHandler(XPLMCommandRef commandRef, XPLMCommandPhase phase, void* reference) {
    int index = static_cast<int>(reinterpret_cast<intptr_t>(reference));
    if (!isEnabled() || index < 0 || index >= kXPlaneCommandCount) {
        return 1;
    }
    if (phase == xplm_CommandEnd && (index == kXpGlanceLeft || index == kXpGlanceRight)) {
        // The glance ends even when X-Plane's view changed while it was held.
        releaseGlance(index);
    }
    const Settings* settings = getSettings();
    bool emulateQuickLooks = !settings->DISABLE_QUICK_LOOK_EMULATION;
    if (isQuickLook(index) && phase == xplm_CommandBegin && emulateQuickLooks) {
        return emulateQuickLook(commandRef, index - kXpQuickLook0 + 1);
    }
    if (!viewTakesCommands()) {
        return 1;
    }
    if (getWalkMode() && phase == xplm_CommandContinue) {
        return 0;
    }
    bool move = isMove(index);
    if (move && settings->LOCK_KEYBOARD_CONTROL && !isControlPanelVisable()) {
        return 1;
    }
    if (phase == xplm_CommandBegin) {
        continueCycles = 0;
    }
    if (move && phase == xplm_CommandContinue && continueCycles < kSwallowedContinueCalls) {
        ++continueCycles;
        return 0;
    }
    if (move && phase == xplm_CommandEnd) {
        KeyBoardCameraPositionKeyUp(nullptr);
        return 0;
    }
    chooseSpeedFactors(index);
    if (isQuickLookMemory(index)) {
        if (phase == xplm_CommandBegin && emulateQuickLooks) {
            memorizeQuickLook(index - kXpQuickLookMem0 + 1);
            return 0;
        }
        return 1;
    }
    if (index > kXpHatSwitchUpLeft) {
        return 1;
    }
    return act(commandRef, phase, index);
}
