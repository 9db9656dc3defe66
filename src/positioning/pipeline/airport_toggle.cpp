#include "positioning/pipeline/airport_toggle.h"

#include "cameras/files/camera_file.h"
#include "cameras/files/camera_file_list.h"
#include "cameras/set/camera_set.h"
#include "cameras/set/control_panel_shown.h"
#include "positioning/pipeline/camera_control.h"
#include "positioning/commands/commands.h"
#include "positioning/commands/movement.h"
#include "scene/view_reset.h"

namespace {
// X-Plane's view stays on this copy while the set is replaced.
Camera keptCamera;

void keepCurrentCamera() {
    if (Camera* current = getCurrentCamera()) {
        keptCamera = *current;
        setCurrentFreeCamera(&keptCamera);
    }
}
}  // namespace

void toggleAirportCameras() {
    bool panelOpen = isControlPanelVisable();
    // Transition frames point at the records of the set about to be replaced.
    stopAnimationRequest();
    if (panelOpen) {
        saveCameras(false, false);
    }
    if (isAirportCameraFile()) {
        keepCurrentCamera();
        readCameras(getGlobalCameraFileNameList());
        setResetViewModes();
        setAutoSelectNearestAirportCamera(0);
        return;
    }
    Camera* current = getCurrentCamera();
    if (current != nullptr && current->external) {
        keepCurrentCamera();
    }
    if (panelOpen) {
        if (GlobalCameraFileNameEntry* entry = addGlobalCameraFile(nullptr)) {
            readCameras(entry);
        }
    } else if (GlobalCameraFileNameEntry* nearest = findNearestAirportCameraFile()) {
        readCameras(nearest);
    }
}
