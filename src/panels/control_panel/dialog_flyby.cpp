#include <imgui.h>

#include "cameras/generators/flyby_orbit.h"
#include "panels/control_panel/control_panel.h"
#include "panels/control_panel/item_names.h"
#include "panels/control_panel/panel_fields.h"
#include "positioning/commands/movement.h"

void ControlPanelWidget::processCreateFlyBy() {
    static FlyBySpec flyBySpec;
    static bool firstTime = true;
    static const char* refusal = nullptr;
    if (dialogRequest == kDialogCreateFlyBy) {
        refusal = nullptr;
    }
    if (!ImGui::BeginPopupModal("Create FlyBy", nullptr, ImGuiWindowFlags_AlwaysAutoResize)) {
        return;
    }
    if (firstTime) {
        flyBySpec = FlyBySpec();
        flyBySpec.attackHeading = 270.0f;
        flyBySpec.initialHeight = 25.0f;
        flyBySpec.cpaX = 50.0f;
        flyBySpec.cpaY = 10.0f;
        flyBySpec.cpaZ = -10.0f;
        flyBySpec.distance = 500.0f;
        flyBySpec.duration = 30.0f;
        firstTime = false;
    }
    ImGui::PushItemWidth(250);
    ImGui::InputText("Name##FlyByName", flyBySpec.name, sizeof(flyBySpec.name));
    ImGui::PopItemWidth();
    ImGui::PushItemWidth(100);
    dragHeading("Camera Attack Heading", &flyBySpec.attackHeading, 1.0f);
    dragInRange("Initial Height in Meters", &flyBySpec.initialHeight, 1.0f, ValueKind::Offset,
                "%.2f");
    dragInRange("Distance in Meters", &flyBySpec.distance, 1.0f, ValueKind::Offset, "%.2f");
    dragInRange("CPA X in Meters", &flyBySpec.cpaX, 1.0f, ValueKind::Offset, "%.2f");
    dragInRange("CPA Z in Meters", &flyBySpec.cpaZ, 1.0f, ValueKind::Offset, "%.2f");
    dragInRange("CPA Y in Meters", &flyBySpec.cpaY, 1.0f, ValueKind::Offset, "%.2f");
    dragClamped("Duration in Seconds", &flyBySpec.duration, 0.5f, 1.0f, 1000.0f, "%.2f");
    ImGui::PopItemWidth();
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
        refusal = generatedCategoryRefusal(flyBySpec.name, "The fly-by needs a name.",
                                           flyByFitsTheCameraFile(flyBySpec));
        if (refusal == nullptr) {
            stopAnimationRequest();
            createFlyBy(flyBySpec);
            ImGui::CloseCurrentPopup();
        }
    }
    ImGui::EndPopup();
}
