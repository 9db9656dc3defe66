#include "positioning/pipeline/xplane_camera_pose.h"

#include <cmath>

#include "scene/pose_angles.h"

XPLMCameraPosition_t toXPlaneCamera(const CameraPosition& p) {
    XPLMCameraPosition_t shown;
    shown.x = p.x;
    shown.y = p.y;
    shown.z = p.z;
    shown.pitch = fixPitchRollAngle(p.pitch);
    shown.heading = p.heading;
    shown.roll = fixPitchRollAngle(p.roll);
    shown.zoom = p.zoom;
    return shown;
}

bool isFinitePosition(const XPLMCameraPosition_t& p) {
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z) &&
           std::isfinite(p.pitch) && std::isfinite(p.heading) && std::isfinite(p.roll) &&
           std::isfinite(p.zoom);
}
