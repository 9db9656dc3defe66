// The TrackIR box: head tracking on or off for the current camera and the
// limits that keep the tracked view inside the cockpit.
#include <imgui.h>

#include "cameras/set/camera_editing.h"
#include "cameras/set/camera_set.h"
#include "panels/control_panel/control_panel.h"
#include "panels/control_panel/panel_fields.h"
#include "positioning/commands/movement.h"
#include "positioning/pipeline/offsets.h"

namespace {

const float kRightColumn = 230.0f;
const float kLimitSpeed = 0.05f;

// Metres each way around the camera's position.
void resetTrackIRLimits(Camera* camera) {
    camera->minTrackIR.x = camera->x - 1.0f;
    camera->maxTrackIR.x = camera->x + 1.0f;
    camera->minTrackIR.y = camera->y - 1.0f;
    camera->maxTrackIR.y = camera->y + 1.0f;
    camera->minTrackIR.z = camera->z - 1.0f;
    camera->maxTrackIR.z = camera->z + 1.0f;
}

// An arrow that sets the limit to where the head is now, then its drag.
void limitField(const char* arrowId, const char* label, float* limit, float headNow) {
    if (ImGui::ArrowButton(arrowId, ImGuiDir_Right)) {
        *limit = headNow;
    }
    ImGui::SameLine();
    dragInRange(label, limit, kLimitSpeed, ValueKind::Offset, "%.3f");
}

void trackIRMenu(Camera* camera) {
    if (!ImGui::BeginMenuBar()) {
        return;
    }
    if (ImGui::BeginMenu("TrackIr")) {
        if (ImGui::MenuItem("Snap Camera to TrackIR Position")) {
            stopAnimationRequest();
            snapToTrackIR();
        }
        if (ImGui::MenuItem("Reset TrackIR Limits", nullptr, false, camera != nullptr)) {
            resetTrackIRLimits(camera);
        }
        ImGui::EndMenu();
    }
    QfnImWindow::HelpMarker(
        "Enable TrackIR to apply head tracking offsets to this camera. Enable TrackIR limits to "
        "prevent those applied offsets from postitioning your view outside the cockpit\n\nUse "
        "the drag fields to edit the limit in meters. Lean to the desired limit and use the "
        "arrow buttons to set that limit to your current head position");
    ImGui::EndMenuBar();
}

}  // namespace

void ControlPanelWidget::populateTrackIR() {
    Camera* camera = getCurrentCamera();
    beginPanelBox("TrackIR", 435.0f, getSettings()->USE_SMALL_FONT ? 145.0f : 160.0f);
    trackIRMenu(camera);
    if (camera != nullptr) {
        const CameraPosition* head = getCurrentHeadTrackPosition();
        ImGui::PushItemWidth(85.0f);
        ImGui::Checkbox("Enable TrackIR", &camera->trackIR);
        ImGui::SameLine(kRightColumn);
        ImGui::Checkbox("Enable Limits", &camera->limitTrackIR);

        limitField("##SetMaxLeft", "Max Left", &camera->minTrackIR.x, head->x);
        ImGui::SameLine(kRightColumn);
        limitField("##SetMaxRight", "Max Right", &camera->maxTrackIR.x, head->x);

        limitField("##SetMaxUp", "Max Up", &camera->maxTrackIR.y, head->y);
        ImGui::SameLine(kRightColumn);
        limitField("##SetMaxDown", "Max Down", &camera->minTrackIR.y, head->y);

        limitField("##SetMaxForward", "Max Forward", &camera->minTrackIR.z, head->z);
        ImGui::SameLine(kRightColumn);
        limitField("##SetMaxBack", "Max Back", &camera->maxTrackIR.z, head->z);
        ImGui::PopItemWidth();
    }
    endPanelBox();
}
