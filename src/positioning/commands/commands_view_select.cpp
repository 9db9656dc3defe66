#include "positioning/commands/commands_view_select.h"

#include <cstdint>

#include "cameras/set/camera.h"
#include "cameras/files/camera_file.h"
#include "cameras/set/camera_selection.h"
#include "cameras/set/camera_set.h"
#include "positioning/pipeline/airport_toggle.h"
#include "positioning/commands/commands.h"
#include "positioning/commands/movement.h"
#include "scene/view_reset.h"
#include "positioning/pipeline/camera_control_switch.h"
#include "shell/plugin_state.h"

namespace {
int number(void* reference) { return static_cast<int>(reinterpret_cast<intptr_t>(reference)); }

int selectWith(XPLMCommandPhase phase, int (*selection)(int), int argument) {
    if (!switchOnForSelection(phase)) {
        return 1;
    }
    stopAnimationRequest();
    Camera* before = getCurrentCamera();
    if (!selection(argument)) {
        return 1;
    }
    restoreTemporaryCamera(before);
    setResetViewModes();
    return 1;
}
}  // namespace

bool switchOnForSelection(XPLMCommandPhase phase) {
    if (!isEnabled() && phase == xplm_CommandBegin && testForCameraFile()) {
        enableOvilux();
    }
    return isEnabled() && phase == xplm_CommandBegin;
}

void restoreTemporaryCamera(Camera* before) {
    if (before == nullptr || getCurrentCamera() != before || !before->temporaryPositioning) {
        return;
    }
    before->x = before->savedPosition.x;
    before->y = before->savedPosition.y;
    before->z = before->savedPosition.z;
    before->heading = before->savedPosition.heading;
    before->pitch = before->savedPosition.pitch;
}

int selectViewIdCommand(XPLMCommandRef, XPLMCommandPhase phase, int viewId) {
    return selectWith(phase, selectCameraByViewID, viewId);
}

int viewSelectHandler(XPLMCommandRef commandRef, XPLMCommandPhase phase, void* viewId) {
    return selectViewIdCommand(commandRef, phase, number(viewId));
}

int airportViewSelectHandler(XPLMCommandRef commandRef, XPLMCommandPhase phase, void* viewId) {
    // Unlike the other families it never switches camera control on.
    if (!isEnabled() || phase != xplm_CommandBegin) {
        return 1;
    }
    if (!isAirportCameraFile()) {
        toggleAirportCameras();
        if (!isAirportCameraFile()) {
            return 1;
        }
    }
    return viewSelectHandler(commandRef, phase, viewId);
}

int categorySelectHandler(XPLMCommandRef, XPLMCommandPhase phase, void* categoryIndex) {
    return selectWith(phase, selectCameraByCategoryID, number(categoryIndex));
}
