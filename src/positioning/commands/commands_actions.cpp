#include "positioning/commands/commands_actions.h"

#include "cameras/set/camera.h"
#include "cameras/set/camera_editing.h"
#include "cameras/files/camera_file.h"
#include "cameras/set/camera_selection.h"
#include "cameras/set/camera_set.h"
#include "cameras/targets/near_targets.h"
#include "cameras/targets/target_camera.h"
#include "scene/ai_view.h"
#include "positioning/commands/commands_airport_actions.h"
#include "positioning/commands/commands_ai_actions.h"
#include "positioning/commands/commands_table.h"
#include "positioning/commands/movement.h"
#include "positioning/commands/panel_commands.h"
#include "positioning/input/mouse_buttons.h"
#include "shell/settings.h"

namespace {
// Movement operations of positionCamera.
const int kWalkModeOperation = 10;
const int kHomeOperation = 11;
const int kZeroBearingOperation = 12;
const int kZeroPitchOperation = 13;
const int kRangeUpOperation = 14;
const int kRangeDownOperation = 15;

void flip(bool Camera::*option) {
    if (Camera* camera = getCurrentCamera()) {
        camera->*option = !(camera->*option);
    }
}

// The target commands act on a target-following camera, made current first
// when the current camera is none.
void onTargetCamera(void (*action)()) {
    if (findTargetCamera()) {
        action();
    }
}

void restoreCurrentCameraPosition() {
    if (Camera* camera = getCurrentCamera()) {
        restoreCameraPosition(camera);
    }
}

bool isSelection(int index) {
    return index == kCmdSaveAllCameras ||
           (index >= kCmdNextCamera && index <= kCmdAddCameraToCurrentCategory) ||
           (index >= kCmdRestoreAllCameras && index <= kCmdRestoreCurrentCameraPosition);
}

// Selection commands stop whatever moves before the set changes under it.
bool runSelection(int index) {
    if (!isSelection(index)) {
        return false;
    }
    stopAnimationRequest();
    switch (index) {
        case kCmdSaveAllCameras: saveCameras(true, false); return true;
        case kCmdNextCamera: getNextCamera(false); return true;
        case kCmdPreviousCamera: getPreviousCamera(false); return true;
        case kCmdNextCategory: getNextCategory(); return true;
        case kCmdPreviousCategory: getPreviousCategory(); return true;
        case kCmdAddCameraToNewCategory: addCategory(); return true;
        case kCmdAddCameraToCurrentCategory: addCameraToCategory(); return true;
        case kCmdRestoreAllCameras: readCameras(nullptr); return true;
        case kCmdRestoreCamerasAndHome: restoreAndHomeCameras(); return true;
        case kCmdRestoreCurrentCameraPosition: restoreCurrentCameraPosition(); return true;
        default: return true;
    }
}

void runMovement(int index) {
    switch (index) {
        case kCmdCenterCamera:
            positionCamera(kZeroBearingOperation, 0);
            positionCamera(kZeroPitchOperation, 0);
            break;
        case kCmdToggleWalkMode: positionCamera(kWalkModeOperation, 0); break;
        case kCmdHomeCamera: positionCamera(kHomeOperation, 0); break;
        case kCmdZeroCameraBearing: positionCamera(kZeroBearingOperation, 0); break;
        case kCmdZeroCameraPitch: positionCamera(kZeroPitchOperation, 0); break;
        case kCmdIncreaseMovementSpeed: positionCamera(kRangeUpOperation, 0); break;
        case kCmdDecreaseMovementSpeed: positionCamera(kRangeDownOperation, 0); break;
        case kCmdTogglePanSpeed: togglePanSpeed(); break;
        default: break;
    }
}

void runOptionToggle(int index) {
    switch (index) {
        case kCmdToggleTrackIR: flip(&Camera::trackIR); break;
        case kCmdToggleHeadShake: flip(&Camera::headShake); break;
        case kCmdToggleCameraAxisInput: flip(&Camera::enableCameraAxis); break;
        case kCmdToggleZoomDisable: flip(&Camera::disable3DCockpitZoom); break;
        case kCmdToggleMouseLook: toggleMouseLook(); break;
        case kCmdToggleLockKeyboard:
            getSettings()->LOCK_KEYBOARD_CONTROL = !getSettings()->LOCK_KEYBOARD_CONTROL;
            break;
        default: break;
    }
}

void runTargetCommand(int index) {
    switch (index) {
        case kCmdSelectNearestTarget: onTargetCamera(selectNearestTarget); break;
        case kCmdSelectNextTarget: onTargetCamera(selectNextTarget); break;
        case kCmdSelectPreviousTarget: onTargetCamera(selectPreviousTarget); break;
        case kCmdToggleTargetReciprocal: onTargetCamera(toggleTargetReciprocal); break;
        case kCmdSelectFreeTarget: onTargetCamera(selectFreeTarget); break;
        case kCmdToggleTargetInformation: tellPanels(PanelCommand::ToggleTargetInformation); break;
        case kCmdSaveCameraAsTarget: tellPanels(PanelCommand::OpenSaveTarget); break;
        case kCmdToggleTargetFollowing: toggleTargetfollowing(); break;
        default: break;
    }
}

void runPanelCommand(int index) {
    switch (index) {
        case kCmdToggleControlPanel: tellPanels(PanelCommand::ToggleControlPanel); break;
        case kCmdToggleMiniControlPanel: tellPanels(PanelCommand::ToggleMiniControlPanel); break;
        case kCmdOpenSettings: tellPanels(PanelCommand::OpenSettings); break;
        case kCmdSelectNextViewId: selectNextViewID(); break;
        case kCmdSelectPreviousViewId: selectPreviousViewID(); break;
        default: break;
    }
}
}  // namespace

void runCommandAction(int index) {
    if (runSelection(index)) {
        return;
    }
    runMovement(index);
    runOptionToggle(index);
    runTargetCommand(index);
    runPanelCommand(index);
    runAirportCommand(index);
    runAiCommand(index);
}
