#include "panels/control_panel/option_fields.h"

#include <imgui.h>

#include <cmath>

void beginOptionBox(const char* id, float width, float height) {
    ImGui::PushStyleVar(ImGuiStyleVar_ChildRounding, 5.0f);
    ImGui::PushStyleColor(ImGuiCol_ChildBg, IM_COL32(0, 0, 0, 50));
    ImGui::BeginChild(id, ImVec2(width, height), true, ImGuiWindowFlags_MenuBar);
}

void endOptionBox() {
    ImGui::EndChild();
    ImGui::PopStyleColor();
    ImGui::PopStyleVar();
}

bool dragFinite(const char* label, float* value, float speed, const char* format) {
    // Typing "1e39" gives infinity: edit a copy and keep the old value then.
    float edited = *value;
    if (!ImGui::DragFloat(label, &edited, speed, 0.0f, 0.0f, format) || !std::isfinite(edited)) {
        return false;
    }
    *value = edited;
    return true;
}

bool dragClamped(const char* label, float* value, float speed, float min, float max,
                 const char* format) {
    return ImGui::DragFloat(label, value, speed, min, max, format, ImGuiSliderFlags_AlwaysClamp);
}

bool dragClampedInt(const char* label, int* value, float speed, int min, int max) {
    return ImGui::DragInt(label, value, speed, min, max, "%d", ImGuiSliderFlags_AlwaysClamp);
}
