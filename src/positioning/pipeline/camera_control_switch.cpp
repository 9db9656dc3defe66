#include "positioning/pipeline/camera_control_switch.h"

#include "cameras/set/camera_position.h"
#include "positioning/commands/interception.h"
#include "positioning/input/joystick_axes.h"
#include "positioning/input/mouse_look.h"
#include "positioning/input/wheel_zoom.h"
#include "positioning/integration/plugin_links.h"
#include "positioning/integration/system_check.h"
#include "positioning/pipeline/camera_control.h"
#include "positioning/pipeline/engine_listeners.h"
#include "positioning/pipeline/external_pose.h"
#include "positioning/pipeline/view_modes.h"
#include "scene/engine_datarefs.h"
#include "scene/pose_angles.h"
#include "shell/log.h"
#include "shell/plugin_state.h"
#include "xplane/sdk.h"

namespace {
int enabled = 0;
int justEnabled = 0;
int orginalCinemaVeriteState = 0;
int orginalHideYokeState = 0;
CameraPosition lastPosition;
XPLMDataRef gVREnabled = nullptr;

int readInt(XPLMDataRef ref) { return ref != nullptr ? XPLMGetDatai(ref) : 0; }

void writeFloat(XPLMDataRef ref, float value) {
    if (ref != nullptr) {
        XPLMSetDataf(ref, value);
    }
}

void writeInt(XPLMDataRef ref, int value) {
    if (ref != nullptr) {
        XPLMSetDatai(ref, value);
    }
}
}  // namespace

void findVRDataRef() { gVREnabled = XPLMFindDataRef("sim/graphics/VR/enabled"); }

bool isVREnabled() { return readInt(gVREnabled) != 0; }

void enableOvilux() {
    if (isVREnabled()) {
        sLogMsg("Ovilux does not support Virtual Reality Mode");
        return;
    }
    if (enabled) {
        return;
    }
    const EngineDataRefs& refs = engineDataRefs();
    resetCameraMotionAxisAssignments();
    // The axes X-Plane maps may have changed while camera control was off,
    // even when the camera has not.
    findViewCameraAxisAssignments();
    updateScenicFlyer(nullptr, 1);
    registerPositionCommands();
    justEnabled = 1;
    orginalCinemaVeriteState = readInt(refs.cinemaVerite);
    orginalHideYokeState = readInt(refs.hideYoke);
    enableHeadShake();
    getSystemStatus()[kStatusHeadShake] = headShakeExists() ? kHeadShakeFound : kHeadShakeNotFound;
    if (hasXPRealistic()) {
        sLogMsg("XPRealistic was found and will be enabled");
    }
    tellEngineListeners(EngineEvent::ControlStarting);
    enableLinuxTrack();
    enabled = 1;
    tellEngineListeners(EngineEvent::ControlOn);
    enable3DCockpit(0);
}

void disableOvilux(int keepHead) {
    if (!enabled) {
        return;
    }
    const EngineDataRefs& refs = engineDataRefs();
    // Before the first pipeline pass the head pose of this session was never
    // saved, and the view was never moved: there is nothing to put back.
    bool headPoseSaved = !justEnabled;
    updateScenicFlyer(nullptr, 1);
    unRegisterPositionCommands();
    tellEngineListeners(EngineEvent::ControlStopping);
    disableLinuxTrack();
    enabled = 0;
    justEnabled = 0;
    tellEngineListeners(EngineEvent::ControlOff);
    if (headPoseSaved) {
        if (keepHead == 0) {
            writeFloat(refs.pilotsHeadX, lastPosition.x);
            writeFloat(refs.pilotsHeadY, lastPosition.y);
            writeFloat(refs.pilotsHeadZ, lastPosition.z);
            writeFloat(refs.pilotsHeadPsi, lastPosition.heading);
            writeFloat(refs.pilotsHeadThe, fixPitchRollAngle(lastPosition.pitch));
        }
        writeFloat(refs.headRoll, fixPitchRollAngle(lastPosition.roll));
    }
    tellEngineListeners(EngineEvent::SessionEnding);
    writeInt(refs.cinemaVerite, orginalCinemaVeriteState);
    writeInt(refs.hideYoke, orginalHideYokeState);
    giveBackWheelZoom();
    disableHeadShake();
    cancelMouseLook();
    enable3DCockpit(1);
    controlCamera(false, nullptr);
    tellEngineListeners(EngineEvent::CameraReleased);
}

int isEnabled() { return enabled; }

int getJustEnabled() { return justEnabled; }

void clearJustEnabled() { justEnabled = 0; }

CameraPosition* getLastPosition() { return &lastPosition; }

void saveOrginalPosition() { fillPosition(&lastPosition, nullptr); }

int getOrginalHideYokeState() { return orginalHideYokeState; }
