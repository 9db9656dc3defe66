#include <imgui.h>

#include "cameras/set/camera_editing.h"
#include "panels/control_panel/control_panel.h"
#include "panels/control_panel/panel_fields.h"
#include "positioning/commands/movement.h"

void ControlPanelWidget::processConfirmNewAircraftSet() {
    if (!ImGui::BeginPopupModal("Confirm Create New Camera Set", nullptr,
                                ImGuiWindowFlags_AlwaysAutoResize)) {
        return;
    }
    ImGui::TextUnformatted("");
    ImGui::TextUnformatted("WARNING");
    ImGui::TextUnformatted("");
    ImGui::TextWrapped(
        "This will remove all categories and cameras and create a new single Cockpit category "
        "with the default X-Plane pilot camera. Prior to executing a Save All Cameras you will "
        "still be able to restore your previous camera set.");
    ImGui::TextUnformatted("");
    ImGui::TextUnformatted("Do you want to create a new aircraft camera set?");
    ImGui::TextUnformatted("");
    if (ImGui::Button("Cancel", ImVec2(kDialogButtonWidth, 0))) {
        ImGui::CloseCurrentPopup();
    }
    ImGui::SetItemDefaultFocus();
    ImGui::SameLine();
    if (ImGui::Button("Create New Aircraft Camera Set")) {
        // Transition frames point at the records about to be emptied.
        stopAnimationRequest();
        newAircraftCameraSet();
        ImGui::CloseCurrentPopup();
    }
    ImGui::EndPopup();
}
