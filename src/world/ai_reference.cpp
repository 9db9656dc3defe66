#include "world/ai_reference.h"

#include "shell/plugin_state.h"
#include "xplane/sdk.h"

namespace {

AiReferenceSource cameraSource = nullptr;

double read(XPLMDataRef ref) { return ref != nullptr ? XPLMGetDatad(ref) : 0.0; }

}  // namespace

void setAiReferenceSource(AiReferenceSource source) { cameraSource = source; }

void getAiReferencePoint(double* x, double* y, double* z) {
    if (isEnabled() && cameraSource != nullptr && cameraSource(x, y, z)) {
        return;
    }
    // X-Plane's own datarefs: their handles never change.
    static XPLMDataRef localX = XPLMFindDataRef("sim/flightmodel/position/local_x");
    static XPLMDataRef localY = XPLMFindDataRef("sim/flightmodel/position/local_y");
    static XPLMDataRef localZ = XPLMFindDataRef("sim/flightmodel/position/local_z");
    *x = read(localX);
    *y = read(localY);
    *z = read(localZ);
}
