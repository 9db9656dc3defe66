#include <imgui.h>

#include "cameras/generators/flyby_orbit.h"
#include "panels/control_panel/control_panel.h"
#include "panels/control_panel/item_names.h"
#include "panels/control_panel/panel_fields.h"
#include "positioning/commands/movement.h"

void ControlPanelWidget::processCreateOrbit() {
    static OrbitSpec orbitSpec;
    static bool firstTime = true;
    static const char* refusal = nullptr;
    if (dialogRequest == kDialogCreateOrbit) {
        refusal = nullptr;
    }
    if (!ImGui::BeginPopupModal("Create Orbit", nullptr, ImGuiWindowFlags_AlwaysAutoResize)) {
        return;
    }
    if (firstTime) {
        orbitSpec = OrbitSpec();
        orbitSpec.initialHeading = 270.0f;
        orbitSpec.radius = 10.0f;
        orbitSpec.minHeight = -3.0f;
        orbitSpec.maxHeight = 3.0f;
        orbitSpec.duration = 30.0f;
        firstTime = false;
    }
    ImGui::PushItemWidth(250);
    ImGui::InputText("Name##OrbitName", orbitSpec.name, sizeof(orbitSpec.name));
    ImGui::PopItemWidth();
    ImGui::PushItemWidth(100);
    dragHeading("Initial Camera Heading", &orbitSpec.initialHeading, 1.0f);
    dragInRange("Radius in Meters", &orbitSpec.radius, 1.0f, ValueKind::Offset, "%.2f");
    dragInRange("Min Height in Meters", &orbitSpec.minHeight, 1.0f, ValueKind::Offset, "%.2f");
    dragInRange("Max Height in Meters", &orbitSpec.maxHeight, 1.0f, ValueKind::Offset, "%.2f");
    dragClamped("Duration in Seconds", &orbitSpec.duration, 0.5f, 1.0f, 1000.0f, "%.2f");
    ImGui::PopItemWidth();
    ImGui::Checkbox("Reverse Rotation", &orbitSpec.reverseRotation);
    ImGui::Checkbox("Continuous", &orbitSpec.continuous);
    ImGui::Checkbox("Use Level Camera", &orbitSpec.useLevelCamera);
    if (refusal != nullptr) {
        ImGui::TextColored(kDialogRed, "%s", refusal);
    } else {
        ImGui::TextUnformatted("");
    }
    if (ImGui::Button("Cancel", ImVec2(kDialogButtonWidth, 0))) {
        ImGui::CloseCurrentPopup();
    }
    ImGui::SetItemDefaultFocus();
    ImGui::SameLine();
    if (ImGui::Button("Create", ImVec2(kDialogButtonWidth, 0))) {
        // A category without a name could be neither told apart nor found again.
        refusal = generatedCategoryRefusal(orbitSpec.name, "The orbit needs a name.",
                                           orbitFitsTheCameraFile(orbitSpec));
        if (refusal == nullptr) {
            stopAnimationRequest();
            createOrbit(orbitSpec);
            ImGui::CloseCurrentPopup();
        }
    }
    ImGui::EndPopup();
}
