// Each flight-loop call: the docked bar shows and hides with the mouse, a
// deferred command runs, and the panel's place is remembered.
#include "panels/mini_panel/mini_control_panel.h"
#include "shell/plugin_state.h"
#include "shell/settings.h"

namespace {
const int kShowBelowBottom = 5;
const int kFloatingMode = 1;
const int kPoppedOutMode = 2;
const int kDockedMode = 3;
}  // namespace

void MiniControlPanelWidget::onFlightLoopCall() {
    MiniPanelCallbackScope scope(this);
    autoShowOrHide();
    if (pendingCommand >= 0) {
        int command = pendingCommand;
        pendingCommand = -1;
        doCommand(command);
    }
    savePosition();
}

void MiniControlPanelWidget::autoShowOrHide() {
    if (dragging || !getSettings()->ENABLE_AUTO_SHOW_MINI_CONTROL_PANEL || !isEnabled() ||
        !docked) {
        return;
    }
    int mouseX = 0, mouseY = 0;
    XPLMGetMouseLocationGlobal(&mouseX, &mouseY);
    int left = 0, top = 0, right = 0, bottom = 0;
    XPLMGetWindowGeometry(windowID, &left, &top, &right, &bottom);
    bool betweenEnds = mouseX > left && mouseX < right;
    if (GetVisible()) {
        if (betweenEnds && mouseY > top && !pinned) {
            SetVisible(false);
        }
    } else if (betweenEnds && mouseY < bottom + kShowBelowBottom) {
        SetVisible(true);
    }
}

void MiniControlPanelWidget::savePosition() {
    WindowPosition& position = getSettings()->LAST_MINI_CONTROL_PANEL_POSITION;
    if (XPLMWindowIsPoppedOut(windowID)) {
        position.mode = kPoppedOutMode;
        XPLMGetWindowGeometryOS(windowID, &position.left, &position.top, &position.right,
                                &position.bottom);
    } else {
        position.mode = docked ? kDockedMode : kFloatingMode;
        XPLMGetWindowGeometry(windowID, &position.left, &position.top, &position.right,
                              &position.bottom);
    }
}
