#include "positioning/view_modes.h"

#include "positioning/engine_datarefs.h"
#include "shell/host_info.h"

namespace {
const int kViewType3DCockpit = 1026;
const int kViewTypeFreeCamera = 1028;
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
