#include "plugin/lifecycle.h"

#include <atomic>
#include <cstring>

#include "community/community_worker.h"
#include "community/data_cache.h"
#include "libwinkit/message_box.h"
#include "panels/panels.h"
#include "panels/target_info_panel.h"
#include "panels/window_manager.h"
#include "positioning/pipeline/camera_control.h"
#include "positioning/pipeline/engine_datarefs.h"
#include "positioning/pipeline/external_pose.h"
#include "positioning/commands/interception.h"
#include "positioning/input/mouse_look.h"
#include "positioning/pipeline/pipeline.h"
#include "positioning/integration/plugin_links.h"
#include "shell/host_info.h"
#include "plugin/lifecycle_internal.h"
#include "shell/log.h"
#include "shell/speech.h"
#include "xplane/sdk.h"

namespace {
int enabled = 0;
int justEnabled = 0;
int orginalCinemaVeriteState = 0;
int orginalHideYokeState = 0;
CameraPosition lastPosition;
int systemStatus[3] = {0, 0, 0};
// Asked for by the update window's worker as well as the main thread.
std::atomic<bool> updateCommunityFileCache{false};
float timeSinceLastLoop = 0;
int64_t loopStart = 0;

XPLMDataRef gPlaneX = nullptr;
XPLMDataRef gPlaneY = nullptr;
XPLMDataRef gPlaneZ = nullptr;
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

void findShellDataRefs() {
    gPlaneX = XPLMFindDataRef("sim/flightmodel/position/local_x");
    gPlaneY = XPLMFindDataRef("sim/flightmodel/position/local_y");
    gPlaneZ = XPLMFindDataRef("sim/flightmodel/position/local_z");
    gVREnabled = XPLMFindDataRef("sim/graphics/VR/enabled");
}

bool isVREnabled() { return readInt(gVREnabled) != 0; }

void resetSystemStatus() {
    for (int& code : systemStatus) {
        code = 0;
    }
}

void startCommunityCacheWorker() {
    // One still reading from an earlier enable reads on: the library is the
    // same.
    DataCache::cacheCommunityCameraFiles();
}

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
    systemStatus[1] = headShakeExists() ? 9 : 10;
    if (hasXPRealistic()) {
        sLogMsg("XPRealistic was found and will be enabled");
    }
    XPLMRegisterFlightLoopCallback(MyFlightLoopCallback, -1.0f, nullptr);
    enableLinuxTrack();
    enabled = 1;
    updateEnabledMenuItems();
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
    XPLMUnregisterFlightLoopCallback(MyFlightLoopCallback, nullptr);
    disableLinuxTrack();
    enabled = 0;
    justEnabled = 0;
    loopStart = 0;
    updateEnabledMenuItems();
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
    showNewControlPanel(4);
    showNewMiniControlPanel(4);
    writeInt(refs.cinemaVerite, orginalCinemaVeriteState);
    writeInt(refs.hideYoke, orginalHideYokeState);
    disableHeadShake();
    cancelMouseLook();
    enable3DCockpit(1);
    controlCamera(false, nullptr);
    showTargetInfoPanel(true);
}

float MyFlightLoopCallback(float elapsedSinceLastCall, float, int, void*) {
    SpeechManager::processSpeech();

    // The library's reading is joined here once it has finished.
    serviceCommunityWorkers();
    if (!DataCache::isCommunityFileCacheBusy(nullptr, nullptr) &&
        updateCommunityFileCache.exchange(false) && !DataCache::cacheCommunityCameraFiles()) {
        // Asked again on a later frame.
        updateCommunityFileCache.store(true);
    }

    if (getJustEnabled()) {
        loopStart = getElapsedMilliSeconds();
    }
    if (loopStart > 0 && getElapsedMilliSeconds() - loopStart > 1000) {
        showNewMiniControlPanel(0);
        loopStart = 0;
    }

    timeSinceLastLoop = elapsedSinceLastCall;
    processCameraPosition();

    showNewMiniControlPanel(6);
    showNewControlPanel(7);
    return -1.0f;
}

int isEnabled() { return enabled; }

int getJustEnabled() { return justEnabled; }

void clearJustEnabled() { justEnabled = 0; }

float getTimeSinceLastLoop() { return timeSinceLastLoop; }

CameraPosition* getLastPosition() { return &lastPosition; }

void saveOrginalPosition() { fillPosition(&lastPosition, nullptr); }

int getOrginalHideYokeState() { return orginalHideYokeState; }

int* getSystemStatus() { return systemStatus; }

void requestCommunityFileCacheUpdate() { updateCommunityFileCache.store(true); }

void getCurrentLocation(double* latitude, double* longitude) {
    double x = gPlaneX != nullptr ? XPLMGetDatad(gPlaneX) : 0.0;
    double y = gPlaneY != nullptr ? XPLMGetDatad(gPlaneY) : 0.0;
    double z = gPlaneZ != nullptr ? XPLMGetDatad(gPlaneZ) : 0.0;
    double altitude = 0;
    XPLMLocalToWorld(x, y, z, latitude, longitude, &altitude);
}
