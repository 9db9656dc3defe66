#include "plugin/lifecycle.h"

#include <atomic>
#include <cstring>

#include "community/community_worker.h"
#include "community/data_cache.h"
#include "panels/panels.h"
#include "plugin/lifecycle_internal.h"
#include "positioning/pipeline/camera_control_switch.h"
#include "positioning/pipeline/engine_listeners.h"
#include "positioning/pipeline/pipeline.h"
#include "shell/host_info.h"
#include "shell/speech.h"
#include "xplane/sdk.h"

namespace {
// Asked for by the update window's worker as well as the main thread.
std::atomic<bool> updateCommunityFileCache{false};
float timeSinceLastLoop = 0;
int64_t loopStart = 0;

XPLMDataRef gPlaneX = nullptr;
XPLMDataRef gPlaneY = nullptr;
XPLMDataRef gPlaneZ = nullptr;

// The main flight loop runs while camera control is on.
void hearEngine(EngineEvent event) {
    switch (event) {
        case EngineEvent::ControlStarting:
            XPLMRegisterFlightLoopCallback(MyFlightLoopCallback, -1.0f, nullptr);
            break;
        case EngineEvent::ControlStopping:
            XPLMUnregisterFlightLoopCallback(MyFlightLoopCallback, nullptr);
            loopStart = 0;
            break;
        default:
            break;
    }
}
}  // namespace

void listenToEngine() { addEngineListener(hearEngine); }

void stopListeningToEngine() { removeEngineListener(hearEngine); }

void findShellDataRefs() {
    gPlaneX = XPLMFindDataRef("sim/flightmodel/position/local_x");
    gPlaneY = XPLMFindDataRef("sim/flightmodel/position/local_y");
    gPlaneZ = XPLMFindDataRef("sim/flightmodel/position/local_z");
    findVRDataRef();
}

void startCommunityCacheWorker() {
    // One still reading from an earlier enable reads on: the library is the
    // same. One finished while no frame ran (camera control off) is joined.
    serviceCommunityWorkers();
    DataCache::cacheCommunityCameraFiles();
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
        showNewMiniControlPanel(kMiniPanelStart);
        loopStart = 0;
    }

    timeSinceLastLoop = elapsedSinceLastCall;
    processCameraPosition();

    showNewMiniControlPanel(kMiniPanelRefresh);
    showNewControlPanel(kControlPanelRebuildCheck);
    return -1.0f;
}

float getTimeSinceLastLoop() { return timeSinceLastLoop; }

void requestCommunityFileCacheUpdate() { updateCommunityFileCache.store(true); }

void getCurrentLocation(double* latitude, double* longitude) {
    double x = gPlaneX != nullptr ? XPLMGetDatad(gPlaneX) : 0.0;
    double y = gPlaneY != nullptr ? XPLMGetDatad(gPlaneY) : 0.0;
    double z = gPlaneZ != nullptr ? XPLMGetDatad(gPlaneZ) : 0.0;
    double altitude = 0;
    XPLMLocalToWorld(x, y, z, latitude, longitude, &altitude);
}
