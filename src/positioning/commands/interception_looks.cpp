#include "positioning/commands/interception_looks.h"

#include "cameras/set/camera.h"
#include "cameras/set/camera_set.h"
#include "positioning/commands/glance.h"
#include "positioning/commands/interception_table.h"
#include "shell/angles.h"

namespace {
const float kMinZoom = 1.0f;
// Zoom steps of zoom_in, zoom_in_slow, zoom_in_fast, zoom_out, zoom_out_slow,
// zoom_out_fast.
const float kZoomSteps[6] = {0.05f, 0.025f, 0.1f, -0.05f, -0.025f, -0.1f};

void lookAt(Camera* camera, float heading, float pitch) {
    camera->heading = heading;
    camera->pitch = pitch;
}

void turnBy(Camera* camera, float degrees) {
    camera->heading = fixAngle(camera->heading + degrees);
}

// The view turns, not the camera; the release is the interception's,
// whatever the view has become.
void glance(int index, XPLMCommandPhase phase, float degrees) {
    if (phase == xplm_CommandBegin) {
        beginGlance(index, degrees);
    }
}

// X-Plane repeats a held command every frame; a relative turn taken at each
// call would spin the view, so it turns once per press.
void turnOnce(Camera* camera, XPLMCommandPhase phase, float degrees) {
    if (phase == xplm_CommandBegin) {
        turnBy(camera, degrees);
    }
}
}  // namespace

void lookDirection(int index, XPLMCommandPhase phase) {
    Camera* camera = getCurrentCamera();
    if (camera == nullptr) {
        return;
    }
    switch (index) {
        case kXpLeftUp:
        case kXpUpLeft: lookAt(camera, 315.0f, 45.0f); break;
        case kXpRightUp:
        case kXpUpRight: lookAt(camera, 45.0f, 45.0f); break;
        case kXpGlanceRight: glance(index, phase, 90.0f); break;
        case kXpGlanceLeft: glance(index, phase, -90.0f); break;
        case kXpBack: camera->heading = 180.0f; break;
        case kXpStraightUp: camera->pitch = 90.0f; break;
        case kXpStraightDown: camera->pitch = 270.0f; break;
        case kXpRight135: turnOnce(camera, phase, 135.0f); break;
        case kXpLeft135: turnOnce(camera, phase, -135.0f); break;
        case kXpRight90: turnOnce(camera, phase, 90.0f); break;
        case kXpLeft90: turnOnce(camera, phase, -90.0f); break;
        // Deliberately 90 degrees, like the 90-degree looks.
        case kXpRight45: turnOnce(camera, phase, 90.0f); break;
        case kXpLeft45: turnOnce(camera, phase, -90.0f); break;
        default: break;
    }
}

bool zoomExternalCamera(int index) {
    Camera* camera = getCurrentCamera();
    if (camera == nullptr || !camera->external || index < kXpZoomIn || index > kXpZoomOutFast) {
        return false;
    }
    float zoom = camera->externalZoom + kZoomSteps[index - kXpZoomIn];
    camera->externalZoom = zoom < kMinZoom ? kMinZoom : zoom;
    return true;
}
