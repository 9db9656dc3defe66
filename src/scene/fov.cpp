#include "scene/fov.h"

#include "scene/engine_datarefs.h"
#include "shell/settings.h"
#include "xplane/sdk.h"

namespace {
const float kFallbackFov = 60.0f;
float defaultFov = kFallbackFov;
bool captured = false;
}  // namespace

void setFov(float fov) {
    XPLMDataRef fieldOfView = engineDataRefs().fieldOfView;
    if (getSettings()->ENABLE_FORCE_FOV && fieldOfView != nullptr) {
        XPLMSetDataf(fieldOfView, fov);
    }
}

float getXPlaneFov() {
    XPLMDataRef fieldOfView = engineDataRefs().fieldOfView;
    return fieldOfView != nullptr ? XPLMGetDataf(fieldOfView) : kFallbackFov;
}

// While camera control is on the plug-in may have written X-Plane's value
// itself, so only the value from before counts as X-Plane's own.
float getDefaultFOV() { return captured ? defaultFov : getXPlaneFov(); }

void captureDefaultFov() {
    defaultFov = getXPlaneFov();
    captured = true;
}

void releaseDefaultFov() { captured = false; }

void restoreDefaultFov() {
    if (getXPlaneFov() != getDefaultFOV()) {
        setFov(getDefaultFOV());
    }
}
