// showNewMiniControlPanel: the single panel's creation, visibility, rebuild
// and deletion.
#include "panels/mini_panel/mini_control_panel.h"
#include "panels/mini_panel/mini_panel_placement.h"
#include "panels/panel_placement.h"
#include "shell/settings.h"

namespace {

MiniControlPanelWidget* miniControlPanelPtr = nullptr;
// Decoration for the next creation.
int currentDecoration = kMiniPanelDocked;
// The settings the panel in place was made with.
bool currentTranslucense = true;
int lastMonitorIndex = 0;
bool lastUseSmallFont = false;

const int kPoppedOutMode = 2;
// A popped-out panel narrower than this has no room for its "Docked" box,
// which brings it back in.
const int kPoppedOutMinWidth = 250;

// How a new panel starts out.
enum class Opening {
    AtStart,  // as state 0 says: popped out, opened or hidden by the settings
    Shown,    // shown, pinned when it would otherwise hide by itself
    Hidden,   // hidden and unpinned: a rebuild of a panel that was hidden
};

void pinWhenAutoShown(MiniControlPanelWidget* panel) {
    if (getSettings()->ENABLE_AUTO_SHOW_MINI_CONTROL_PANEL) {
        panel->setPin(true);
    }
}

int currentMonitorChoice() {
    MonitorBounds monitors{};
    getMonitorBounds(&monitors);
    return chooseMiniPanelMonitor(monitors, getSettings()->MINI_CONTROL_PANEL_MONITOR_INDEX);
}

void createPanel(Opening opening) {
    Settings* settings = getSettings();
    MonitorBounds monitors{};
    getMonitorBounds(&monitors);
    int monitor = chooseMiniPanelMonitor(monitors, settings->MINI_CONTROL_PANEL_MONITOR_INDEX);
    // With a single monitor the setting may name one that comes back later.
    if (monitors.count >= 2 && monitor != settings->MINI_CONTROL_PANEL_MONITOR_INDEX) {
        settings->MINI_CONTROL_PANEL_MONITOR_INDEX = 0;
    }
    lastMonitorIndex = monitor;

    const WindowPosition saved = settings->LAST_MINI_CONTROL_PANEL_POSITION;
    bool poppedOut = opening == Opening::AtStart && saved.mode == kPoppedOutMode &&
                     isWindowPositionValid(&saved, kPoppedOutMinWidth, kMiniPanelMinHeight);
    if (poppedOut) {
        currentDecoration = kMiniPanelFloating;
    }
    MiniPanelRect r = currentDecoration == kMiniPanelFloating
                          ? floatingMiniPanelRect(monitors, monitor)
                          : dockedMiniPanelRect(monitors, monitor, settings->HIDE_FAVORITES, saved);
    MiniControlPanelWidget* panel =
        new MiniControlPanelWidget(r.left, r.top, r.right, r.bottom, currentDecoration, false);
    miniControlPanelPtr = panel;
    panel->init();
    if (currentDecoration == kMiniPanelDocked) {
        // The bar keeps to the screen's bottom and stretches with its width.
        XPLMSetWindowGravity(panel->getWindowID(), 0.0f, 0.0f, 1.0f, 0.0f);
    }

    switch (opening) {
        case Opening::Shown:
            pinWhenAutoShown(panel);
            panel->SetVisible(true);
            break;
        case Opening::Hidden:
            panel->SetVisible(false);
            break;
        case Opening::AtStart:
            if (poppedOut) {
                WindowPosition there = fittedToMonitor(saved);
                XPLMSetWindowPositioningMode(panel->getWindowID(), xplm_WindowPopOut, -1);
                XPLMSetWindowGeometryOS(panel->getWindowID(), there.left, there.top, there.right,
                                        there.bottom);
                panel->SetVisible(true);
            } else if (settings->ENABLE_OPEN_MINI_CONTROL_PANEL_ON_START) {
                pinWhenAutoShown(panel);
                panel->SetVisible(true);
            } else {
                panel->SetVisible(false);
            }
            break;
    }
    lastUseSmallFont = settings->USE_SMALL_FONT;
    currentTranslucense = settings->ENABLE_TRANSPARENT_MINI_CONTROL_PANEL;
}

// A panel whose own callback is running is hidden and left to its deferred
// deletion; the holder forgets it either way.
void destroyPanel() {
    MiniControlPanelWidget* panel = miniControlPanelPtr;
    miniControlPanelPtr = nullptr;
    if (panel->inOwnCallback()) {
        panel->SetVisible(false);
        panel->SafeDelete();
    } else {
        delete panel;
    }
}

bool needsRebuild() {
    const Settings* settings = getSettings();
    if (settings->USE_SMALL_FONT != lastUseSmallFont) {
        return true;
    }
    if (currentDecoration == kMiniPanelDocked) {
        // The monitor actually chosen: with one monitor an index past it
        // still gives monitor 0, and must not rebuild the bar every frame.
        if (currentMonitorChoice() != lastMonitorIndex ||
            settings->ENABLE_TRANSPARENT_MINI_CONTROL_PANEL != currentTranslucense) {
            return true;
        }
        if (!miniControlPanelPtr->getDocked()) {
            currentDecoration = kMiniPanelFloating;
            return true;
        }
    } else if (miniControlPanelPtr->getDocked()) {
        currentDecoration = kMiniPanelDocked;
        return true;
    }
    return false;
}

void refresh() {
    if (miniControlPanelPtr == nullptr || !needsRebuild()) {
        return;
    }
    bool wasVisible = miniControlPanelPtr->GetVisible();
    destroyPanel();
    createPanel(wasVisible ? Opening::Shown : Opening::Hidden);
}

}  // namespace

MiniControlPanelWidget::~MiniControlPanelWidget() {
    if (miniControlPanelPtr == this) {
        miniControlPanelPtr = nullptr;
    }
}

MiniControlPanelWidget* miniControlPanel() { return miniControlPanelPtr; }

void deleteMiniControlPanel() {
    if (miniControlPanelPtr != nullptr) {
        destroyPanel();
    }
}

void resetMiniControlPanel() {
    deleteMiniControlPanel();
    currentDecoration = kMiniPanelDocked;
    currentTranslucense = true;
    lastMonitorIndex = 0;
    lastUseSmallFont = false;
}

bool showNewMiniControlPanel(int state) {
    MiniControlPanelWidget* panel = miniControlPanelPtr;
    switch (state) {
        case kMiniPanelStart:
            if (panel == nullptr) {
                createPanel(Opening::AtStart);
            }
            break;
        case kMiniPanelToggle:
            if (panel == nullptr) {
                createPanel(Opening::Shown);
            } else if (panel->GetVisible()) {
                panel->SetVisible(false);
            } else {
                pinWhenAutoShown(panel);
                panel->SetVisible(true);
            }
            break;
        case kMiniPanelShow:
            if (panel == nullptr) {
                createPanel(Opening::Shown);
            } else {
                panel->SetVisible(true);
            }
            break;
        case kMiniPanelHide:
            if (panel != nullptr) {
                panel->SetVisible(false);
            }
            break;
        case kMiniPanelDestroy:
            if (panel != nullptr) {
                destroyPanel();
            }
            break;
        case kMiniPanelRefresh:
            refresh();
            break;
        default:
            break;
    }
    return miniControlPanelPtr != nullptr && miniControlPanelPtr->GetVisible();
}
