#include "panels/window_manager.h"

#include "panels/crosshair.h"
#include "panels/panels.h"
#include "xplane/sdk.h"

namespace {
bool showTargetInformation = true;
bool drawEnabled = false;
}  // namespace

void toggleControlPanel() { showNewControlPanel(kControlPanelToggle); }

void toggleMiniControlPanel() { showNewMiniControlPanel(kMiniPanelToggle); }

void toggleTargetInformation() { showTargetInformation = !showTargetInformation; }

void setTargetInformation(bool show) { showTargetInformation = show; }

bool displayTargetInfo() { return showTargetInformation; }

void enableDrawing() {
    if (!drawEnabled) {
        XPLMRegisterDrawCallback(myDrawCallback, xplm_Phase_Window, 1, nullptr);
    }
    drawEnabled = true;
}

void diableDrawing() {
    if (drawEnabled) {
        XPLMUnregisterDrawCallback(myDrawCallback, xplm_Phase_Window, 1, nullptr);
    }
    drawEnabled = false;
}
