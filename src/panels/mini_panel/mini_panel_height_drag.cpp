// The docked bar's height: dragged by its menu bar, between its ends.
#include <imgui.h>

#include <algorithm>

#include "panels/mini_panel/mini_control_panel.h"

namespace {
const float kGripHeight = 18.0f;
const float kGripLeft = 100.0f;
const float kGripRightMargin = 140.0f;
const int kScreenMargin = 25;
const int kMinHeight = 50;
}  // namespace

void MiniControlPanelWidget::dragDockedHeight() {
    if (decoration == kMiniPanelFloating) {
        return;
    }
    ImVec2 mouse = ImGui::GetIO().MousePos;
    float width = ImGui::GetWindowWidth();
    bool leftDown = ImGui::IsMouseDown(ImGuiMouseButton_Left);
    if (!dragging && leftDown && ImGui::IsMousePosValid() && mouse.y < kGripHeight &&
        mouse.x > kGripLeft && mouse.x < width - kGripRightMargin) {
        XPLMGetMouseLocationGlobal(&lastMouseX, &lastMouseY);
        dragging = true;
        XPLMBringWindowToFront(windowID);
    }
    if (!leftDown) {
        dragging = false;
    }
    if (!dragging) {
        return;
    }
    int screenLeft = 0, screenTop = 0, screenRight = 0, screenBottom = 0;
    XPLMGetScreenBoundsGlobal(&screenLeft, &screenTop, &screenRight, &screenBottom);
    int left = 0, top = 0, right = 0, bottom = 0;
    XPLMGetWindowGeometry(windowID, &left, &top, &right, &bottom);
    int mouseX = 0, mouseY = 0;
    XPLMGetMouseLocationGlobal(&mouseX, &mouseY);
    int dx = mouseX - lastMouseX;
    int dy = mouseY - lastMouseY;
    lastMouseX = mouseX;
    lastMouseY = mouseY;
    if (left + dx < screenLeft || right + dx > screenRight || top + dy > screenTop - kScreenMargin ||
        top + dy < screenBottom + kScreenMargin) {
        return;
    }
    XPLMSetWindowGeometry(windowID, left, std::max(mouseY, bottom + kMinHeight), right, bottom);
}
