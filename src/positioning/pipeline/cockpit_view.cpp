#include "positioning/pipeline/cockpit_view.h"

#include "cameras/set/camera_position.h"
#include "scene/engine_datarefs.h"
#include "scene/origin.h"
#include "positioning/pipeline/origin_view.h"
#include "positioning/pipeline/xplane_camera_pose.h"

namespace {
float readFloat(XPLMDataRef ref) { return ref != nullptr ? XPLMGetDataf(ref) : 0.0f; }
}  // namespace

bool xplaneCockpitView(XPLMCameraPosition_t* out) {
    const EngineDataRefs& refs = engineDataRefs();
    CameraPosition head;
    head.x = readFloat(refs.pilotsHeadX);
    head.y = readFloat(refs.pilotsHeadY);
    head.z = readFloat(refs.pilotsHeadZ);
    head.heading = readFloat(refs.pilotsHeadPsi);
    head.pitch = readFloat(refs.pilotsHeadThe);
    // Where X-Plane has no head roll the engine rolls the whole view, which
    // comes to the same.
    head.roll = readFloat(refs.headRoll);
    CameraPosition view;
    exactViewFromOrigin(getAircraftOrigin(), head, &view);
    view.zoom = 1.0f;
    XPLMCameraPosition_t pose = toXPlaneCamera(view);
    if (!isFinitePosition(pose)) {
        return false;
    }
    *out = pose;
    return true;
}
