#include "libwinkit/window_datarefs.h"

namespace {
WindowDatarefs datarefs;
}

void findWindowDatarefs() {
    datarefs.vrEnabled = XPLMFindDataRef("sim/graphics/VR/enabled");
    datarefs.modelviewMatrix = XPLMFindDataRef("sim/graphics/view/modelview_matrix");
    datarefs.viewport = XPLMFindDataRef("sim/graphics/view/viewport");
    datarefs.projectionMatrix = XPLMFindDataRef("sim/graphics/view/projection_matrix");
    datarefs.frameRatePeriod = XPLMFindDataRef("sim/operation/misc/frame_rate_period");
}

const WindowDatarefs& windowDatarefs() { return datarefs; }
