// The docked bar's height: dragged by its menu bar, between its ends.
#include <imgui.h>

#include <algorithm>

#include "panels/mini_panel/mini_control_panel.h"
#include "panels/strip_drag.h"

namespace {
const float kGripHeight = 18.0f;
const float kGripLeft = 100.0f;
const float kGripRightMargin = 140.0f;
const int kScreenMargin = 25;
}  // namespace

void MiniControlPanelWidget::dragDockedHeight() {
    if (decoration == kMiniPanelFloating) {
        return;
    }
    ImVec2 mouse = ImGui::GetIO().MousePos;
    float width = ImGui::GetWindowWidth();
    bool inGrip = ImGui::IsMousePosValid() && mouse.y < kGripHeight && mouse.x > kGripLeft &&
                  mouse.x < width - kGripRightMargin;
    int dx = 0, dy = 0;
    if (!followStripDrag(windowID, inGrip, ImGui::IsMouseDown(ImGuiMouseButton_Left), &dragging,
                         &lastMouseX, &lastMouseY, &dx, &dy)) {
        return;
    }
    int left = 0, top = 0, right = 0, bottom = 0;
    XPLMGetWindowGeometry(windowID, &left, &top, &right, &bottom);
    if (staysOnScreen(left + dx, top + dy, right + dx, kScreenMargin)) {
        XPLMSetWindowGeometry(windowID, left, std::max(lastMouseY, bottom + kMiniPanelMinHeight), right,
                              bottom);
    }
}
