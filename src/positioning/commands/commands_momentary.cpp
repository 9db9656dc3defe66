// The momentary family: the view ID's camera lasts while the key is held.
#include <cstdint>

#include "cameras/set/camera_selection.h"
#include "cameras/set/camera_set.h"
#include "positioning/commands/commands_camera_place.h"
#include "positioning/commands/commands_view_select.h"
#include "positioning/commands/movement.h"
#include "positioning/pipeline/view_reset.h"
#include "shell/plugin_state.h"

namespace {
// The camera current when the last momentary press began.
CameraPlace lastCamera;

void returnToLastCamera() {
    // A file read or a set swap while the key was held may have taken the
    // camera away; another camera in its slot is not it.
    if (Camera* camera = findCameraAtPlace(lastCamera)) {
        setCurrentCamera(camera);
        setResetViewModes();
    }
    lastCamera = CameraPlace();
}
}  // namespace

int momentaryViewSelectHandler(XPLMCommandRef, XPLMCommandPhase phase, void* reference) {
    if (phase == xplm_CommandEnd) {
        if (isEnabled()) {
            returnToLastCamera();
        }
        return 1;
    }
    if (!switchOnForSelection(phase)) {
        return 1;
    }
    stopAnimationRequest();
    Camera* before = getCurrentCamera();
    lastCamera = rememberCameraPlace(before);
    if (selectCameraByViewID(static_cast<int>(reinterpret_cast<intptr_t>(reference)))) {
        restoreTemporaryCamera(before);
        setResetViewModes();
    }
    return 1;
}
