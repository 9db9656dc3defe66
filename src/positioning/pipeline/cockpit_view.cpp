#include "positioning/pipeline/cockpit_view.h"

#include <cmath>

#include "cameras/set/camera_position.h"
#include "positioning/pipeline/engine_datarefs.h"
#include "positioning/pipeline/origin.h"
#include "positioning/pipeline/origin_view.h"
#include "positioning/pipeline/pose_angles.h"

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
    viewFromOrigin(getAircraftOrigin(), head, &view);
    XPLMCameraPosition_t pose;
    pose.x = view.x;
    pose.y = view.y;
    pose.z = view.z;
    pose.pitch = fixPitchRollAngle(view.pitch);
    pose.heading = view.heading;
    pose.roll = fixPitchRollAngle(view.roll);
    pose.zoom = 1.0f;
    if (!std::isfinite(pose.x) || !std::isfinite(pose.y) || !std::isfinite(pose.z) ||
        !std::isfinite(pose.pitch) || !std::isfinite(pose.heading) || !std::isfinite(pose.roll)) {
        return false;
    }
    *out = pose;
    return true;
}
