// The "Ovilux" item of X-Plane's Plugins menu and its submenu.
#include <cstdint>

#include "cameras/targets/near_targets.h"
#include "cameras/targets/targets.h"
#include "panels/calibration_panel.h"
#include "panels/panels.h"
#include "panels/save_target_panel.h"
#include "panels/settings_panel.h"
#include "panels/traffic_display.h"
#include "panels/window_manager.h"
#include "positioning/commands/movement.h"
#include "positioning/integration/system_check.h"
#include "positioning/pipeline/camera_control_switch.h"
#include "shell/plugin_state.h"
#include "xplane/sdk.h"

namespace {
// The item in the Plugins menu; -1 while the menu does not exist.
int pluginsMenuItem = -1;
XPLMMenuID oviluxMenu = nullptr;

const char* const kItemNames[kMenuItemCount] = {
    "Enable",
    "Disable",
    "Toggle Control Panel",
    "Settings",
    "Toggle Mini-Control Panel",
    "System Check",
    "Save Target Position",
    "Refresh Targets",
    "Toggle Traffic Display",
    "Calibrate View Axis",
    "Check for Updates",
};

void enableItem(int item, bool enabled) {
    if (oviluxMenu != nullptr) {
        XPLMEnableMenuItem(oviluxMenu, item, enabled ? 1 : 0);
    }
}

// As the Disable command does: a transition under way stops before camera
// control goes off, so none is left to resume at the next enable.
void disableCameraControl() {
    if (isEnabled()) {
        stopAnimationRequest();
        disableOvilux(0);
    }
}

void refreshTargets() {
    readTargets();
    collectNearTargets();
    evaluateAndSortTargetDistance();
}
}  // namespace

void initUI() {
    if (oviluxMenu == nullptr) {
        XPLMMenuID plugins = XPLMFindPluginsMenu();
        pluginsMenuItem = XPLMAppendMenuItem(plugins, "Ovilux", nullptr, 1);
        oviluxMenu = XPLMCreateMenu("Menu Navigation", plugins, pluginsMenuItem,
                                    menuHandlerCallback, nullptr);
        for (intptr_t item = 0; item < kMenuItemCount; ++item) {
            XPLMAppendMenuItem(oviluxMenu, kItemNames[item], reinterpret_cast<void*>(item), 1);
        }
    }
    diableDrawing();
    updateEnabledMenuItems();
}

void cleanupUI() {
    diableDrawing();
    if (oviluxMenu != nullptr) {
        XPLMRemoveMenuItem(XPLMFindPluginsMenu(), pluginsMenuItem);
        XPLMClearAllMenuItems(oviluxMenu);
        XPLMDestroyMenu(oviluxMenu);
        oviluxMenu = nullptr;
        pluginsMenuItem = -1;
    }
    // The settings, save-target and calibration panels are put away by the
    // plug-in's disable before it writes the settings (hidePanelsAtDisable).
    deleteTrafficDisplay();
}

void menuHandlerCallback(void*, void* itemRef) {
    switch (reinterpret_cast<intptr_t>(itemRef)) {
        case kMenuEnable: enableOvilux(); break;
        case kMenuDisable: disableCameraControl(); break;
        case kMenuToggleControlPanel: toggleControlPanel(); break;
        case kMenuSettings: showNewSettingsPanel(true); break;
        case kMenuToggleMiniControlPanel: toggleMiniControlPanel(); break;
        case kMenuSystemCheck: checkSystem(); break;
        case kMenuSaveTargetPosition: showNewSaveTargetPanel(); break;
        case kMenuRefreshTargets: refreshTargets(); break;
        case kMenuToggleTrafficDisplay: toggleTrafficDisplay(); break;
        case kMenuCalibrateViewAxis: createViewAxisCalibratePanel(); break;
        case kMenuCheckForUpdates: UpdaterWidget::create(); break;
        default: break;
    }
}

void updateEnabledMenuItems() {
    bool on = isEnabled() != 0;
    enableItem(kMenuEnable, !on);
    for (int item : {kMenuDisable, kMenuToggleControlPanel, kMenuToggleMiniControlPanel,
                     kMenuSystemCheck, kMenuSaveTargetPosition, kMenuCalibrateViewAxis}) {
        enableItem(item, on);
    }
    enableItem(kMenuRefreshTargets, true);
}
