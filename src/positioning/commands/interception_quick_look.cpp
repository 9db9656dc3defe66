#include "positioning/commands/interception_quick_look.h"

#include "cameras/set/camera.h"
#include "cameras/set/camera_editing.h"
#include "cameras/files/camera_file.h"
#include "cameras/set/camera_selection.h"
#include "cameras/set/camera_set.h"
#include "positioning/commands/commands_camera_place.h"
#include "positioning/commands/commands_view_select.h"
#include "positioning/commands/movement.h"
#include "scene/view_reset.h"

namespace {
CameraPlace lastCameraBeforeQuickLook;
}  // namespace

int emulateQuickLook(XPLMCommandRef commandRef, int viewId) {
    if (getCameraByViewID(viewId) == nullptr) {
        return 1;
    }
    Camera* current = getCurrentCamera();
    if (current != nullptr && current->viewId == viewId) {
        // Only the camera that was left goes back, never one that took its
        // slot after a file read or a set swap.
        if (Camera* before = findCameraAtPlace(lastCameraBeforeQuickLook)) {
            stopAnimationRequest();
            setCurrentCamera(before);
            setResetViewModes();
            return 0;
        }
    }
    lastCameraBeforeQuickLook = rememberCameraPlace(current);
    selectViewIdCommand(commandRef, xplm_CommandBegin, viewId);
    return 0;
}

void memorizeQuickLook(int viewId) {
    stopAllMovement();
    setViewId(viewId);
    saveCameras(false, false);
}
