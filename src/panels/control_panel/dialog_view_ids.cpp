#include <imgui.h>

#include <cstdio>

#include "cameras/set/camera_editing.h"
#include "cameras/set/camera_set.h"
#include "panels/control_panel/control_panel.h"
#include "panels/control_panel/panel_fields.h"

namespace {

const float kCameraColumn = 300;
const float kViewIdColumn = 600;
const float kActionColumn = 675;

// One row: category, camera and view ID in the columns, then the button that
// takes the view ID from that camera.
void viewIdRow(Camera* camera, int viewId, const char* buttonLabel, const ImVec4* colour) {
    Category* category = getCategory(getCameraCategory(camera));
    const char* categoryName = category != nullptr ? category->name : "";
    if (colour != nullptr) {
        ImGui::PushStyleColor(ImGuiCol_Text, *colour);
    }
    ImGui::AlignTextToFramePadding();
    ImGui::TextUnformatted(categoryName);
    ImGui::SameLine(kCameraColumn);
    ImGui::TextUnformatted(camera->name);
    ImGui::SameLine(kViewIdColumn);
    ImGui::Text("%d", viewId);
    if (colour != nullptr) {
        ImGui::PopStyleColor();
    }
    ImGui::SameLine(kActionColumn);
    if (ImGui::Button(buttonLabel, ImVec2(kDialogButtonWidth, 0))) {
        camera->viewId = 0;
        evaluateFavorites();
    }
}

void clearAllViewIds() {
    for (int viewId = 1; viewId <= kMaxViewId; ++viewId) {
        int count = 0;
        Camera** holders = findCamerasViewID(viewId, &count);
        for (int i = 0; i < count; ++i) {
            holders[i]->viewId = 0;
        }
    }
    evaluateFavorites();
}

}  // namespace

void ControlPanelWidget::processDisplayViewIDs() {
    if (!ImGui::BeginPopupModal("Display View ID Assignments", nullptr,
                                ImGuiWindowFlags_AlwaysAutoResize)) {
        return;
    }
    ImGui::TextUnformatted("Category");
    ImGui::SameLine(kCameraColumn);
    ImGui::TextUnformatted("Camera");
    ImGui::SameLine(kViewIdColumn);
    ImGui::TextUnformatted("View ID");
    ImGui::SameLine(kActionColumn);
    ImGui::TextUnformatted("Action");
    ImGui::Separator();
    ImGui::TextUnformatted("");

    int row = 0;
    char label[64];
    for (int viewId = 1; viewId <= kMaxViewId; ++viewId) {
        Camera* camera = getCameraByViewID(viewId);
        if (camera == nullptr) {
            continue;
        }
        snprintf(label, sizeof(label), "Clear##clearID%d", row++);
        viewIdRow(camera, viewId, label, nullptr);
        int count = 0;
        Camera** holders = findCamerasViewID(viewId, &count);
        // The holders list is one static array: copy before the next call.
        Camera* duplicates[kMaxCategories * kMaxCamerasPerCategory];
        int duplicateCount = 0;
        for (int i = 0; i + 1 < count; ++i) {
            duplicates[duplicateCount++] = holders[i];
        }
        for (int i = 0; i < duplicateCount; ++i) {
            snprintf(label, sizeof(label), "Clear Duplicate##ClearDupID%d", row++);
            viewIdRow(duplicates[i], viewId, label, &kDialogRed);
        }
    }

    ImGui::TextUnformatted("");
    ImGui::TextUnformatted("");
    if (ImGui::Button("Clear All", ImVec2(kDialogButtonWidth, 0))) {
        clearAllViewIds();
    }
    ImGui::SetItemDefaultFocus();
    ImGui::SameLine();
    if (ImGui::Button("Ok")) {
        ImGui::CloseCurrentPopup();
    }
    ImGui::EndPopup();
}
