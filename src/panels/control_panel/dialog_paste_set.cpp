#include <imgui.h>

#include "cameras/set/camera_paste.h"
#include "cameras/set/camera_set.h"
#include "cameras/set/cockpit_correction.h"
#include "panels/control_panel/control_panel.h"
#include "panels/control_panel/copy_buffers.h"
#include "panels/control_panel/dialog_memory.h"
#include "panels/control_panel/panel_fields.h"
#include "positioning/commands/movement.h"

namespace {
// "Auto Correct Cockpit Cameras", as last ticked.
bool adjustCameras = false;
}  // namespace

void ControlPanelWidget::processConfirmPasteCameraSet() {
    if (!ImGui::BeginPopupModal("Confirm Paste Camera Set", nullptr,
                                ImGuiWindowFlags_AlwaysAutoResize)) {
        return;
    }
    ImGui::TextUnformatted("Do you want to paste this camera set?");
    ImGui::Separator();
    ImGui::PushStyleVar(ImGuiStyleVar_FramePadding, ImVec2(0, 0));
    ImGui::Checkbox("Auto Correct Cockpit Cameras", &adjustCameras);
    ImGui::PopStyleVar();
    if (ImGui::Button("OK", ImVec2(kDialogButtonWidth, 0))) {
        // An empty buffer would leave no category at all.
        if (isCameraSetCopied()) {
            // Transition frames point at the records about to be replaced.
            stopAnimationRequest();
            Camera reference;
            Category* first = getCategory(0);
            if (first != nullptr && first->numberOfCameras > 0) {
                copyCamera(&first->cameras[0], &reference);
            }
            restoreCategoriesFromCache(copiedCameraSet());
            if (adjustCameras) {
                attempAutoCorrectCockpitCamera(&reference);
            }
        }
        ImGui::CloseCurrentPopup();
    }
    ImGui::SetItemDefaultFocus();
    ImGui::SameLine();
    if (ImGui::Button("Cancel", ImVec2(kDialogButtonWidth, 0))) {
        ImGui::CloseCurrentPopup();
    }
    ImGui::EndPopup();
}

void resetPasteConfirmation() { adjustCameras = false; }
