#include "panels/control_panel/control_panel.h"

#include <imgui.h>

#include <cstdio>

#include "libwinkit/font_file.h"
#include "panels/panel_placement.h"
#include "shell/host_info.h"

namespace {

ControlPanelWidget* panelPtr = nullptr;

}  // namespace

ControlPanelWidget::ControlPanelWidget(int left, int top, int right, int bottom, int decoration,
                                       bool translucentPanel)
    : QfnImWindow(left, top, right, bottom, decoration),
      translucent(translucentPanel),
      width(right - left),
      height(top - bottom) {
    char title[64];
    snprintf(title, sizeof(title), "Ovilux %s Control Panel", getVersionString());
    SetWindowTitle(title);
    SetVisible(true);
    showAdvancedOptions = getSettings()->ALWAYS_SHOW_ADVANCED_CAMERA_OPTIONS;
}

ControlPanelWidget::~ControlPanelWidget() {
    if (panelPtr == this) {
        panelPtr = nullptr;
    }
}

void ControlPanelWidget::configureImguiContext() {
    addFontFile(getXPlaneFontPath("Roboto-Regular.ttf"),
                getSettings()->USE_SMALL_FONT ? 14.0f : 18.0f);
}

void ControlPanelWidget::buildInterface() {
    populateMenuBar();
    populateCameraListBoxes();
    populateTrackIR();
    populateCameraMovement();
    populateBasicOptions();
    populateSaveRow();
    processModelDialog();
}

void ControlPanelWidget::onFlightLoopCall() {
    if (closeRequested) {
        SetVisible(false);
        closeRequested = false;
    }
}

void ControlPanelWidget::testForWindowMove() {}

void ControlPanelWidget::populateSaveRow() {}

ControlPanelWidget* controlPanel() { return panelPtr; }

bool showNewControlPanel(int state) {
    switch (state) {
        case kControlPanelQueryAutoAdvance:
            return panelPtr == nullptr || panelPtr->allowAutoAdvance();
        case kControlPanelQueryVisible:
            return panelPtr != nullptr && panelPtr->GetVisible();
        case kControlPanelDestroy:
            if (panelPtr != nullptr) {
                panelPtr->SafeDelete();
                panelPtr = nullptr;
            }
            return false;
        case kControlPanelRebuildCheck:
            return panelPtr != nullptr && panelPtr->GetVisible();
        case kControlPanelToggle:
            if (panelPtr != nullptr) {
                panelPtr->SetVisible(!panelPtr->GetVisible());
                return panelPtr->GetVisible();
            }
            break;
        default:
            break;
    }
    if (panelPtr == nullptr) {
        int panelHeight = getSettings()->USE_SMALL_FONT ? 700 : 805;
        PanelRect r = newPanelRect(900, panelHeight);
        panelPtr = new ControlPanelWidget(r.left, r.top, r.right, r.bottom, 1, false);
        panelPtr->init();
        panelPtr->center();
    } else {
        panelPtr->SetVisible(true);
    }
    return panelPtr->GetVisible();
}

bool isWindowPositionValid(const WindowPosition*) { return false; }
