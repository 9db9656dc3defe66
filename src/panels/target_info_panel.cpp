#include "panels/target_info_panel.h"

#include <imgui.h>

#include <algorithm>

#include "cameras/set/camera_set.h"
#include "cameras/targets/near_targets.h"
#include "libwinkit/font_file.h"
#include "panels/panel_placement.h"
#include "panels/strip_drag.h"
#include "panels/window_manager.h"

namespace {
TargetInfoWidget* panel = nullptr;

const double kNauticalMilesPerKilometre = 0.539957;
// The strip at the overlay's top that drags it.
const float kDragStripHeight = 18.0f;
// How far the overlay's top may come to the screen's top and bottom edges.
const int kEdgeMargin = 25;

// At the window's width less 215, or further left where the box, its help
// marker and the close button would otherwise run past the bar's rounded end.
float reciprocalBoxX(float windowWidth) {
    const ImGuiStyle& style = ImGui::GetStyle();
    float spacing = style.ItemSpacing.x;
    float row = ImGui::GetFrameHeight() + style.ItemInnerSpacing.x +
                ImGui::CalcTextSize("Target Reciprocal").x + spacing +
                ImGui::CalcTextSize("(?)").x + spacing + ImGui::CalcTextSize("X").x +
                style.FramePadding.x * 2;
    float barEnd = ImGui::GetWindowWidth() - style.ChildRounding - style.WindowPadding.x;
    return std::min(windowWidth - 215, barEnd - row);
}

Camera* targetFollowingCamera() {
    Camera* camera = getCurrentCamera();
    return camera != nullptr && camera->targetFollowing ? camera : nullptr;
}
}  // namespace

TargetInfoWidget::TargetInfoWidget(int left, int top, int right, int bottom, int decoration,
                                   bool overlay)
    : QfnImWindow(left, top, right, bottom, decoration), overlay(overlay) {
    SetWindowTitle("Target Info");
}

TargetInfoWidget::~TargetInfoWidget() {
    if (panel == this) {
        panel = nullptr;
    }
}

void TargetInfoWidget::configureImguiContext() {
    addFontFile(getXPlaneFontPath("Roboto-Regular.ttf"), 18.0f);
    windowFlags |= overlay ? ImGuiWindowFlags_NoBackground : ImGuiWindowFlags_MenuBar;
}

void TargetInfoWidget::onFlightLoopCall() {
    bool wanted = targetFollowingCamera() != nullptr && displayTargetInfo();
    if (GetVisible() != wanted) {
        SetVisible(wanted);
    }
}

void TargetInfoWidget::dragOverlay() {
    if (!overlay) {
        return;
    }
    const ImGuiIO& io = ImGui::GetIO();
    bool inStrip = ImGui::IsMousePosValid() && io.MousePos.y < kDragStripHeight;
    int dx = 0, dy = 0;
    if (!followStripDrag(windowID, inStrip, io.MouseDown[0], &dragging, &lastMouseX, &lastMouseY,
                         &dx, &dy)) {
        return;
    }
    int l = 0, t = 0, r = 0, b = 0;
    XPLMGetWindowGeometry(windowID, &l, &t, &r, &b);
    if (staysOnScreen(l + dx, t + dy, r + dx, kEdgeMargin)) {
        XPLMSetWindowGeometry(windowID, l + dx, t + dy, r + dx, b + dy);
    }
}

void TargetInfoWidget::buildMenuBar(float windowWidth) {
    if (!ImGui::BeginMenuBar()) {
        return;
    }
    if (ImGui::ArrowButton("Previous Target", ImGuiDir_Left)) {
        selectPreviousTarget();
    }
    if (ImGui::ArrowButton("Next Target", ImGuiDir_Right)) {
        selectNextTarget();
    }
    HelpMarker(
        "Use the left and right arrow buttons to select the previous and next targets "
        "respectively.");
    // A missing camera leaves nothing to bind the box to.
    if (Camera* camera = getCurrentCamera()) {
        ImGui::SetCursorPosX(reciprocalBoxX(windowWidth));
        ImGui::Checkbox("Target Reciprocal", &camera->targetReciprocal);
        HelpMarker(
            "The target reciprocal view orients the camera looking from the target camera to "
            "your aircraft..");
    }
    if (ImGui::Button("X##CloseTargetInfo")) {
        toggleTargetInformation();
    }
    ImGui::EndMenuBar();
}

void TargetInfoWidget::buildInterface() {
    dragOverlay();
    int width = 0, height = 0;
    getSize(&width, &height);
    ImGui::PushStyleVar(ImGuiStyleVar_ChildRounding, 5.0f);
    ImGui::PushStyleColor(ImGuiCol_ChildBg, IM_COL32(0, 0, 0, 0x4B));
    ImGui::BeginChild("TargetInfo",
                      ImVec2(static_cast<float>(width - 20), static_cast<float>(height - 20)), true,
                      ImGuiWindowFlags_MenuBar);
    buildMenuBar(static_cast<float>(width));
    if (Camera* camera = targetFollowingCamera()) {
        const char* direction = camera->targetReciprocal ? "From" : "To";
        if (const Target* target = getCurrentTarget()) {
            ImGui::Text(
                "%s: %s\nBearing: [%3.1f] Pitch: [%3.1f] \nDistance: [%.1f Kilometers] [%.1f "
                "Nautical Miles]",
                direction, target->name, target->bearing, target->pitch, target->distance,
                target->distance * kNauticalMilesPerKilometre);
        } else {
            ImGui::TextUnformatted("");
        }
    }
    ImGui::EndChild();
    ImGui::PopStyleColor();
    ImGui::PopStyleVar();
}

void showTargetInfoPanel(bool destroy) {
    if (destroy) {
        delete panel;
        panel = nullptr;
        return;
    }
    if (panel != nullptr) {
        return;
    }
    PanelRect r = newPanelRect(620, 120);
    panel = new TargetInfoWidget(r.left, r.top, r.right, r.bottom, 0, true);
    panel->init();
    panel->center();
    panel->SetVisible(true);
}

TargetInfoWidget* targetInfoPanel() { return panel; }
