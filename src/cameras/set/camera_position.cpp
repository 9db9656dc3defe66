#include "cameras/set/camera_position.h"

#include "cameras/set/camera.h"
#include "scene/engine_datarefs.h"
#include "scene/fov.h"
#include "xplane/sdk.h"

namespace {
float readFloat(XPLMDataRef ref) { return ref != nullptr ? XPLMGetDataf(ref) : 0.0f; }
}  // namespace

void fillPosition(CameraPosition* out, Camera* camera) {
    if (camera == nullptr) {
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
        return;
    }
    out->x = camera->x;
    out->y = camera->y;
    out->z = camera->z;
    out->heading = camera->heading;
    out->pitch = camera->pitch;
    out->roll = camera->roll;
    out->cgX = camera->cgX;
    out->cgY = camera->cgY;
    out->cgZ = camera->cgZ;
    out->latitude = camera->latitude;
    out->longitude = camera->longitude;
    out->elevation = camera->elevation;
    out->fov = camera->enableFov ? camera->fov : getDefaultFOV();
    out->zoom = camera->external ? camera->externalZoom : camera->zoom;
}

void copyCameraPosition(CameraPosition* source, CameraPosition* destination) {
    *destination = *source;
}
