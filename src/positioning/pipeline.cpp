#include "positioning/pipeline.h"

#include "positioning/view_modes.h"
#include "shell/host_info.h"
#include "shell/lifecycle.h"
#include "xplane/sdk.h"

namespace {
int autoEnable3dCockpit = 0;
int cameraMotionAxisAssignments[6] = {0, 1, 2, 3, 4, 5};
}  // namespace

void processCameraPosition() {
    // The camera set does not drive the view yet: the pass only re-asserts the
    // 3-D cockpit when asked and remembers the pilot's head on its first run.
    if (autoEnable3dCockpit && !is3DCockpit()) {
        enable3DCockpit(0);
    }
    if (getJustEnabled()) {
        saveOrginalPosition();
        clearJustEnabled();
    }
}

void enable3DCockpit(int force) {
    if (!is3DCockpit() || force != 0) {
        const char* name = isXPlane9() ? "sim/view/3d_cockpit" : "sim/view/3d_cockpit_cmnd_look";
        if (XPLMCommandRef command = XPLMFindCommand(name)) {
            XPLMCommandOnce(command);
        }
    }
    autoEnable3dCockpit = 0;
}

void setAutoEnable3dCockpit() {
    if (!is3DCockpit()) {
        autoEnable3dCockpit = 1;
    }
}

int getAutoEnable3dCockpit() { return autoEnable3dCockpit; }

void toggleAirportCameras() {}

void restoreDefaultFov() {}

void resetCameraMotionAxisAssignments() {
    for (int i = 0; i < 6; ++i) {
        cameraMotionAxisAssignments[i] = i;
    }
}

int getCameraMotionAxisAssignment(int index) {
    return index >= 0 && index < 6 ? cameraMotionAxisAssignments[index] : 0;
}
