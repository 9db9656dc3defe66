// The five entry points X-Plane calls.
#include <cstdint>
#include <cstdio>

#include "cameras/files/camera_file.h"
#include "cameras/files/camera_file_list.h"
#include "cameras/set/camera_set.h"
#include "cameras/targets/fixed_targets.h"
#include "cameras/targets/near_targets.h"
#include "cameras/targets/target_grid.h"
#include "cameras/targets/targets.h"
#include "community/community_curl.h"
#include "community/community_worker.h"
#include "community/data_cache.h"
#include "libwinkit/imgui_window.h"
#include "libwinkit/message_box.h"
#include "panels/panel_lifetimes.h"
#include "panels/panel_listeners.h"
#include "panels/window_manager.h"
#include "positioning/input/capture_window.h"
#include "positioning/commands/commands.h"
#include "positioning/commands/commands_registration.h"
#include "positioning/integration/integration_datarefs.h"
#include "positioning/integration/plugin_links.h"
#include "positioning/integration/system_check.h"
#include "positioning/pipeline/camera_control_switch.h"
#include "positioning/pipeline/pipeline.h"
#include "positioning/pipeline/set_changes.h"
#include "scene/ai_view.h"
#include "shell/host_info.h"
#include "plugin/lifecycle_internal.h"
#include "shell/log.h"
#include "shell/plugin_state.h"
#include "shell/settings.h"
#include "shell/speech.h"
#include "world/ai_traffic.h"
#include "xplane/plugin_entry_points.h"
#include "xplane/sdk.h"

namespace {
int simInitialized = 0;

void copyIdentity(char* out, const char* text) { snprintf(out, 256, "%.255s", text); }

void planeLoaded() {
    // A new flight, whether or not camera control may come on for it.
    resetAiPerspective();
    if (isVREnabled()) {
        if (testForCameraFile()) {
            sLogMsg("Ovilux has deteted a camera file for this aircraft but will not auto-enable "
                    "because Ovilux does not support Virtual Reality Mode");
        }
        return;
    }
    resetCameraMotionAxisAssignments();
    initScenicFlyer();
    if (isEnabled()) {
        disableOvilux(1);
    }
    initCategories();
    if (testForCameraFile()) {
        readCameras(nullptr);
        GlobalCameraFileNameEntry* active = getCurrentActiveCameraFile();
        if (active != nullptr && active->properties.manualEnable) {
            setAutoEnable3dCockpit();
        } else {
            enableOvilux();
        }
    }
}

void airportLoaded() {
    if (isEnabled()) {
        setAutoEnable3dCockpit();
        GlobalCameraFileNameEntry* active = getCurrentActiveCameraFile();
        if (active != nullptr && active->fileType == 1) {
            toggleAirportCameras();
        }
    }
    if (!simInitialized) {
        getAirportLocations();
        simInitialized = 1;
    }
}
}  // namespace

PLUGIN_API int XPluginStart(char* outName, char* outSignature, char* outDescription) {
    char description[256];
    snprintf(description, sizeof(description), "Advanced Camera Plugin version %s",
             getVersionString());
    copyIdentity(outName, "Ovilux");
    copyIdentity(outSignature, "QFN.Ovilux");
    copyIdentity(outDescription, description);
    XPLMEnableFeature("XPLM_USE_NATIVE_WIDGET_WINDOWS", 1);
    XPLMEnableFeature("XPLM_USE_NATIVE_PATHS", 1);
    getElapsedMilliSeconds();
    // The layers below tell the engine, the main flight loop and the panels
    // what they must hear until the plug-in stops.
    listenToCameraSet();
    listenToEngine();
    connectPanels();
    return 1;
}

PLUGIN_API int XPluginEnable(void) {
    resetCameraMotionAxisAssignments();
    resetAiPerspective();
    resetSystemStatus();
    DataCache::initDataCache();
    findShellDataRefs();
    createIntegrationDataRefs();
    initPositionEngine();
    initGlobalCameras();
    readSettings();
    initUI();
    readTargets();
    setTargetInformation(getSettings()->ENABLE_SHOW_TARGET_INFORMATION);
    sLogMsg("Initialization complete for version %s", getVersionString());
    startCommunityCacheWorker();
    manageMasterCaptureWindow(false);
    return 1;
}

PLUGIN_API void XPluginReceiveMessage(XPLMPluginID, int message, void* param) {
    switch (message) {
        case XPLM_MSG_PLANE_LOADED:
            if (reinterpret_cast<intptr_t>(param) == XPLM_USER_AIRCRAFT) {
                planeLoaded();
            }
            break;
        case XPLM_MSG_AIRPORT_LOADED:
            airportLoaded();
            break;
        case XPLM_MSG_WILL_WRITE_PREFS:
            if (isEnabled()) {
                restoreDefaultFov();
            }
            break;
        case XPLM_MSG_ENTERED_VR:
            if (isEnabled()) {
                disableOvilux(0);
            }
            break;
        default:
            break;
    }
}

PLUGIN_API void XPluginDisable(void) {
    if (isEnabled()) {
        disableOvilux(0);
    }
    removeMsgBoxManager();
    // A calibration in progress is cancelled before the settings are written.
    hidePanelsAtDisable();
    // The community exchanges the panels asked to end are cut off now: a
    // disabled plug-in runs no frame to do it on later.
    cutOffCommunityWorkers();
    // Only the panel positions held in memory survive; other unsaved changes
    // are dropped by re-reading the file.
    Settings* settings = getSettings();
    WindowPosition controlPanel = settings->LAST_CONTROL_PANEL_POSITION;
    WindowPosition miniControlPanel = settings->LAST_MINI_CONTROL_PANEL_POSITION;
    readSettings();
    settings->LAST_CONTROL_PANEL_POSITION = controlPanel;
    settings->LAST_MINI_CONTROL_PANEL_POSITION = miniControlPanel;
    saveSettings();
    manageMasterCaptureWindow(true);
    cleanupUI();
}

PLUGIN_API void XPluginStop(void) {
    if (isEnabled()) {
        disableOvilux(0);
    }
    // The module is about to go: every community worker ends (an exchange
    // cut off at once) and is joined here.
    joinCommunityWorkersForUnload();
    removeGlobalCameras(nullptr);
    // The stored targets go with the plug-in; the next start reads them again
    // and places the free target afresh.
    resetNearTargets();
    freeTargets();
    resetFixedTargets();
    removeIntegrationDataRefs();
    // X-Plane keeps the commands; a key bound to one must not call into the
    // module once it is unloaded.
    removePositionCommandHandlers();
    DataCache::cleanUpCache();
    // A plug-in loaded again looks its traffic datarefs up afresh, and the
    // airport locations at its own first airport-loaded message.
    resetAiTraffic();
    simInitialized = 0;
    // And the other plug-ins it links to.
    resetPluginLinks();
    // What waits to be said, boxes asked for while disabled or stopping, and
    // any window still open, go with the plug-in.
    SpeechManager::clear();
    removeMsgBoxManager();
    deletePanelsAtStop();
    ImgWindow::destroyAllWindows();
    // Every exchange with the community server has ended and been joined.
    unloadCommunityCurl();
    disconnectPanels();
    stopListeningToEngine();
    stopListeningToCameraSet();
}
