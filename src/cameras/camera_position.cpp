#include "cameras/camera_position.h"

#include "positioning/engine_datarefs.h"
#include "xplane/sdk.h"

namespace {
float readFloat(XPLMDataRef ref) { return ref != nullptr ? XPLMGetDataf(ref) : 0.0f; }
}  // namespace

void fillPosition(CameraPosition* out, Camera* camera) {
    if (camera != nullptr) {
        return;  // cameras carry their own pose once the camera set exists
    }
    const EngineDataRefs& refs = engineDataRefs();
    *out = CameraPosition();
    out->x = readFloat(refs.pilotsHeadX);
    out->y = readFloat(refs.pilotsHeadY);
    out->z = readFloat(refs.pilotsHeadZ);
    out->heading = readFloat(refs.pilotsHeadPsi);
    out->pitch = readFloat(refs.pilotsHeadThe);
    out->roll = readFloat(refs.headRoll);
    out->fov = readFloat(refs.fieldOfView);
    out->zoom = 1.0f;
}
