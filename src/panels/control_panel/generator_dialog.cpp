#include "panels/control_panel/generator_dialog.h"

#include <imgui.h>

#include "panels/control_panel/item_names.h"
#include "panels/control_panel/panel_fields.h"
#include "positioning/commands/movement.h"

void drawGeneratorDialog(const GeneratorDialogForm& form, const GeneratorDialogValues& values,
                         bool requested, const std::function<void()>& fields,
                         const std::function<bool()>& camerasFit,
                         const std::function<void()>& create) {
    if (requested) {
        *values.refusal = nullptr;
    }
    if (!ImGui::BeginPopupModal(form.title, nullptr, ImGuiWindowFlags_AlwaysAutoResize)) {
        return;
    }
    ImGui::PushItemWidth(250);
    ImGui::InputText(form.nameId, values.name, values.nameSize);
    ImGui::PopItemWidth();
    ImGui::PushItemWidth(100);
    fields();
    ImGui::PopItemWidth();
    if (*values.refusal != nullptr) {
        ImGui::TextColored(kDialogRed, "%s", *values.refusal);
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
        *values.refusal = generatedCategoryRefusal(values.name, form.noName, camerasFit());
        if (*values.refusal == nullptr) {
            stopAnimationRequest();
            create();
            ImGui::CloseCurrentPopup();
        }
    }
    ImGui::EndPopup();
}
