#include "positioning/pipeline/view_ownership.h"

#include "cameras/set/camera.h"
#include "positioning/pipeline/camera_control.h"
#include "scene/engine_datarefs.h"
#include "scene/fov.h"
#include "positioning/pipeline/view_modes.h"
#include "scene/view_reset.h"
#include "shell/plugin_state.h"
#include "xplane/sdk.h"

bool passViewGate() {
    if (is3DCockpit() || isFreeCamera() || getResetViewModes() != 0) {
        return true;
    }
    controlCamera(false, nullptr);
    return false;
}

bool settleViewMode(Camera* camera, CameraPosition* position) {
    bool internal = !camera->external;
    bool reset = getResetViewModes() != 0;
    if (internal && isCameraHeld()) {
        controlCamera(false, nullptr);
        enable3DCockpit(0);
        return true;
    }
    if (!internal && isCameraHeld() && isCameraControlLost()) {
        // Until a reset, X-Plane or another plug-in keeps the view it took;
        // back in the 3-D cockpit the external camera takes it again.
        if (reset || is3DCockpit()) {
            if (is3DCockpit()) {
                enableFreeCamera();
            }
            controlCamera(true, position);
        }
        return true;
    }
    if (internal && !is3DCockpit()) {
        if (reset) {
            enable3DCockpit(0);
            return true;
        }
        if (getAutoEnable3dCockpit()) {
            enable3DCockpit(0);
            saveOrginalPosition();
            return false;
        }
        // The user switched X-Plane to the free camera: only put back what a
        // cockpit camera may have changed of that view.
        XPLMDataRef roll = engineDataRefs().headRoll;
        if (!isPilotHeadRollDatarefAvailable() && roll != nullptr) {
            XPLMSetDataf(roll, 0.0f);
        }
        if (getXPlaneFov() != getDefaultFOV()) {
            setFov(getDefaultFOV());
        }
        return false;
    }
    return true;
}
