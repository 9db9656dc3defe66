// The plug-in's entry in X-Plane's Plugins menu and the small window manager
// behind it: the panels' toggles, the crosshair's draw callback and whether
// target information shows. Main thread only.
#pragma once

// Builds the menu once (a second call while it exists changes nothing), takes
// the crosshair away and sets the items' enable states.
void initUI();
// Leaves nothing behind: the menu is removed, the crosshair's draw callback
// unregistered and the panels of the plug-in's session closed.
void cleanupUI();
// X-Plane's menu callback; the item reference is the item's number, and one
// outside the menu does nothing.
void menuHandlerCallback(void* menuRef, void* itemRef);
// Enables or greys the items by the camera-control state.
void updateEnabledMenuItems();

// The item numbers, which are also the items' order in the menu.
enum OviluxMenuItem {
    kMenuEnable = 0,
    kMenuDisable = 1,
    kMenuToggleControlPanel = 2,
    kMenuSettings = 3,
    kMenuToggleMiniControlPanel = 4,
    kMenuSystemCheck = 5,
    kMenuSaveTargetPosition = 6,
    kMenuRefreshTargets = 7,
    kMenuToggleTrafficDisplay = 8,
    kMenuCalibrateViewAxis = 9,
    kMenuCheckForUpdates = 10,
    kMenuItemCount = 11
};

// Whether the control panel shows is cameras/set/control_panel_shown.h, and
// whether camera chains may advance positioning/transitions/auto_advance.h.
void toggleControlPanel();
void toggleMiniControlPanel();

// Whether the target-information panel may show; true at load, then the
// setting ENABLE_SHOW_TARGET_INFORMATION at every plug-in enable.
void toggleTargetInformation();
void setTargetInformation(bool show);
bool displayTargetInfo();

// The crosshair of a target-following camera: its draw callback in the
// window phase, before X-Plane draws it. Each call is a no-op when the
// callback already is in the state asked for.
void enableDrawing();
void diableDrawing();
