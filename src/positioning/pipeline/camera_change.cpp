#include "positioning/pipeline/camera_change.h"

#include <cmath>

#include "cameras/set/camera.h"
#include "cameras/set/camera_set.h"
#include "cameras/set/free_camera.h"
#include "positioning/pipeline/camera_control.h"
#include "positioning/pipeline/engine_listeners.h"
#include "scene/engine_datarefs.h"
#include "positioning/input/joystick_axes.h"
#include "positioning/commands/glance.h"
#include "positioning/commands/movement.h"
#include "positioning/transitions/transition.h"
#include "positioning/transitions/transition_state.h"
#include "positioning/input/wheel_zoom.h"
#include "shell/plugin_state.h"
#include "xplane/sdk.h"

namespace {
const int kWalkModeOperation = 10;

void writeHideYoke(int value) {
    if (XPLMDataRef hideYoke = engineDataRefs().hideYoke) {
        XPLMSetDatai(hideYoke, value);
    }
}
}  // namespace

void noticeNewCamera(Camera* camera, Camera* lastCamera) {
    if (camera->enableCameraAxis || camera->enableViewAxis || camera->external) {
        findViewCameraAxisAssignments();
    }
    if (camera->freeCamera) {
        refreshFreeCamera(camera);
    }
    if (lastCamera != nullptr && !lastCamera->external && lastCamera->hideYoke != 0) {
        writeHideYoke(getOrginalHideYokeState());
    }
}

void applyCameraViewOptions(Camera* camera) {
    if (!camera->external && camera->hideYoke > 0) {
        writeHideYoke(camera->hideYoke >= 2 ? 1 : 0);
    }
    tellEngineListeners(camera->targetFollowing ? EngineEvent::FollowingTarget
                                                : EngineEvent::NotFollowingTarget);
}

void applyCameraZoom(Camera* camera, Camera* lastCamera) {
    bool internal = !camera->external;
    // Where X-Plane cannot lock the wheel's zoom, holding its camera does.
    bool lockZoom = internal && camera->disable3DCockpitZoom && !hasWheelZoomControl();
    if (internal && hasWheelZoomControl()) {
        wheelZoomOn(!camera->disable3DCockpitZoom);
    }
    // Zoom 1 is X-Plane's own in the 3-D cockpit.
    bool hold = internal && std::isfinite(camera->zoom) && (lockZoom || camera->zoom > 1.0f);
    holdCockpitZoom(hold, camera->zoom);
    if ((camera != lastCamera || camera->positionRestored != 0) && camera->zoom >= 1.0f) {
        camera->externalZoom = camera->zoom;
        camera->positionRestored = 0;
    }
}

void leaveCamera(Camera* left, bool leftIsAirportCamera, Camera* camera) {
    stopTransition();
    if (getWalkMode()) {
        positionCamera(kWalkModeOperation, 0);
    }
    bool sameSet = isSameCategory(left, camera) &&
                   leftIsAirportCamera == (camera->isAirportCamera != 0);
    if ((camera->linearTransition || camera->smoothTransition) && sameSet) {
        setTransitionFrame(createTransition(left, camera));
    }
    if (camera->bezierTransition && sameSet) {
        setTransitionFrame(createBezierTransition(left, camera, glanceDegrees()));
    }
    // A glance looks aside from the camera it began on: the next camera is
    // shown looking its own way.
    cancelGlance();
    if (left->temporaryPositioning) {
        restoreCameraPosition(left);
    } else {
        rememberCameraPosition(left);
    }
}
