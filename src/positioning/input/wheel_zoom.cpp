#include "positioning/input/wheel_zoom.h"

#include "positioning/pipeline/engine_datarefs.h"
#include "xplane/sdk.h"

namespace {
// X-Plane may publish the dataref only after the plug-ins have started.
XPLMDataRef foundLater = nullptr;
bool lookedUpAgain = false;

XPLMDataRef killWheelZoom() {
    XPLMDataRef found = engineDataRefs().killWheelZoom;
    return found != nullptr ? found : foundLater;
}
}  // namespace

bool hasWheelZoomControl() {
    if (killWheelZoom() != nullptr) {
        return true;
    }
    if (!lookedUpAgain) {
        lookedUpAgain = true;
        foundLater = XPLMFindDataRef("sim/private/controls/camera/kill_wheel_zoom");
    }
    return false;
}

void wheelZoomOn(bool on) {
    if (XPLMDataRef ref = killWheelZoom()) {
        XPLMSetDataf(ref, on ? 0.0f : 1.0f);
    }
}
