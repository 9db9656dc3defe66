#include "positioning/input/wheel_zoom.h"

#include "scene/engine_datarefs.h"
#include "xplane/sdk.h"

namespace {
// X-Plane may publish the dataref only after the plug-ins have started.
XPLMDataRef foundLater = nullptr;
bool lookedUpAgain = false;
// X-Plane's own setting before the plug-in first switched it this session,
// which nothing had changed since camera control came on.
bool saved = false;
float savedKillWheelZoom = 0;

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
        if (!saved) {
            savedKillWheelZoom = XPLMGetDataf(ref);
            saved = true;
        }
        XPLMSetDataf(ref, on ? 0.0f : 1.0f);
    }
}

void giveBackWheelZoom() {
    if (!saved) {
        return;
    }
    saved = false;
    if (XPLMDataRef ref = killWheelZoom()) {
        XPLMSetDataf(ref, savedKillWheelZoom);
    }
}
