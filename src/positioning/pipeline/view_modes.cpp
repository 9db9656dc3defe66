#include "positioning/pipeline/view_modes.h"

#include "scene/engine_datarefs.h"
#include "shell/host_info.h"
#include "xplane/sdk.h"

namespace {
const int kViewType3DCockpit = 1026;
const int kViewTypeFreeCamera = 1028;
int autoEnable3dCockpit = 0;

void runOnce(const char* name) {
    if (XPLMCommandRef command = XPLMFindCommand(name)) {
        XPLMCommandOnce(command);
    }
}
}  // namespace

bool is3DCockpit() {
    XPLMDataRef viewType = engineDataRefs().viewType;
    return viewType != nullptr && XPLMGetDatai(viewType) == kViewType3DCockpit;
}

bool isFreeCamera() {
    if (isXPlane9()) {
        XPLMDataRef external = engineDataRefs().viewIsExternal;
        return external != nullptr && XPLMGetDatai(external) != 0;
    }
    XPLMDataRef viewType = engineDataRefs().viewType;
    return viewType != nullptr && XPLMGetDatai(viewType) == kViewTypeFreeCamera;
}

void enable3DCockpit(int force) {
    if (!is3DCockpit() || force != 0) {
        runOnce(isXPlane9() ? "sim/view/3d_cockpit" : "sim/view/3d_cockpit_cmnd_look");
    }
    autoEnable3dCockpit = 0;
}

void enableFreeCamera() {
    if (!isFreeCamera()) {
        runOnce(isXPlane9() ? "sim/view/free_view_toggle" : "sim/view/free_camera");
    }
}

void setAutoEnable3dCockpit() {
    if (!is3DCockpit()) {
        autoEnable3dCockpit = 1;
    }
}

int getAutoEnable3dCockpit() { return autoEnable3dCockpit; }

void clearAutoEnable3dCockpit() { autoEnable3dCockpit = 0; }
