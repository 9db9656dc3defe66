#include <imgui.h>

#include "cameras/generators/flyby_orbit.h"
#include "panels/control_panel/control_panel.h"
#include "panels/control_panel/panel_fields.h"
#include "positioning/commands/movement.h"

void ControlPanelWidget::processCreateFlyBy() {
    static FlyBySpec flyBySpec;
    static bool firstTime = true;
    static bool nameRefused = false;
    if (dialogRequest == kDialogCreateFlyBy) {
        nameRefused = false;
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
    dragFinite("Initial Height in Meters", &flyBySpec.initialHeight, 1.0f, "%.2f");
    dragFinite("Distance in Meters", &flyBySpec.distance, 1.0f, "%.2f");
    dragFinite("CPA X in Meters", &flyBySpec.cpaX, 1.0f, "%.2f");
    dragFinite("CPA Z in Meters", &flyBySpec.cpaZ, 1.0f, "%.2f");
    dragFinite("CPA Y in Meters", &flyBySpec.cpaY, 1.0f, "%.2f");
    dragClamped("Duration in Seconds", &flyBySpec.duration, 0.5f, 1.0f, 1000.0f, "%.2f");
    ImGui::PopItemWidth();
    if (nameRefused) {
        ImGui::TextColored(kDialogRed, "The fly-by needs a name.");
    } else {
        ImGui::TextUnformatted("");
    }
    if (ImGui::Button("Cancel", ImVec2(kDialogButtonWidth, 0))) {
        ImGui::CloseCurrentPopup();
    }
    ImGui::SetItemDefaultFocus();
    ImGui::SameLine();
    if (ImGui::Button("Create", ImVec2(kDialogButtonWidth, 0))) {
        nameRefused = isBlankName(flyBySpec.name);
        if (!nameRefused) {
            stopAnimationRequest();
            createFlyBy(flyBySpec);
            ImGui::CloseCurrentPopup();
        }
    }
    ImGui::EndPopup();
}
