#include "positioning/integration/integration_status.h"

#include "cameras/set/camera_selection.h"
#include "cameras/set/camera_set.h"
#include "cameras/set/control_panel_shown.h"
#include "positioning/transitions/transition_state.h"
#include "positioning/pipeline/view_modes.h"
#include "shell/plugin_state.h"

namespace {
int sharedBits() {
    return (isAirportFileActive() ? 4 : 0) + (isControlPanelVisable() ? 8 : 0);
}
}  // namespace

int viewIdCameraStatus(int viewId) {
    if (!isEnabled()) {
        return 0;
    }
    Camera* camera = getCameraByViewID(viewId);
    if (camera == nullptr) {
        return 0;
    }
    int status = 1 + sharedBits();
    if (camera == getCurrentCamera() && (is3DCockpit() || isFreeCamera())) {
        status += 2 + (isCurrentlyAnimating() ? 16 : 0);
    }
    return status;
}

int overallCameraStatus() {
    if (!isEnabled()) {
        return 0;
    }
    Camera* camera = getCurrentCamera();
    int status = 1 + sharedBits() + (isCurrentlyAnimating() ? 16 : 0);
    if (camera != nullptr) {
        status += (camera->trackIR ? 2 : 0) + (camera->scriptId > 0 ? 32 : 0);
    }
    return status;
}

int selectedCameraNumber() {
    Camera* camera = isEnabled() ? getCurrentCamera() : nullptr;
    if (camera == nullptr) {
        return -1;
    }
    return camera->categoryIndex * kMaxCamerasPerCategory + camera->indexInCategory;
}

void selectCameraNumber(int number) {
    if (!isEnabled() || number < 0) {
        return;
    }
    int category = number / kMaxCamerasPerCategory;
    int index = number % kMaxCamerasPerCategory;
    Camera* head = getCameraSetHead();
    Camera* camera = head;
    while (camera != nullptr) {
        if (camera->categoryIndex == category && camera->indexInCategory == index) {
            setCurrentCamera(camera);
            return;
        }
        camera = camera->nextInSet;
        if (camera == head) {
            return;
        }
    }
}
