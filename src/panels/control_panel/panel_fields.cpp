#include "panels/control_panel/panel_fields.h"

#include <cmath>
#include <cstdio>
#include <cstring>

void beginPanelBox(const char* id, float width, float height) {
    ImGui::PushStyleVar(ImGuiStyleVar_ChildRounding, 5.0f);
    ImGui::PushStyleColor(ImGuiCol_ChildBg, IM_COL32(0, 0, 0, 50));
    ImGui::BeginChild(id, ImVec2(width, height), true, ImGuiWindowFlags_MenuBar);
}

void endPanelBox() {
    ImGui::EndChild();
    ImGui::PopStyleColor();
    ImGui::PopStyleVar();
}

bool dragClamped(const char* label, float* value, float speed, float min, float max,
                 const char* format) {
    float edited = *value;
    // A clamp lets nan through: it compares false with both limits.
    if (!ImGui::DragFloat(label, &edited, speed, min, max, format,
                          ImGuiSliderFlags_AlwaysClamp) ||
        std::isnan(edited)) {
        return false;
    }
    *value = edited;
    return true;
}

bool dragInRange(const char* label, float* value, float speed, ValueKind kind,
                 const char* format) {
    const ValueRange& range = valueRange(kind);
    return dragClamped(label, value, speed, static_cast<float>(range.min),
                       static_cast<float>(range.max), format);
}

bool dragClampedInt(const char* label, int* value, float speed, int min, int max) {
    return ImGui::DragInt(label, value, speed, min, max, "%d", ImGuiSliderFlags_AlwaysClamp);
}

bool dragHeading(const char* label, float* heading, float speed) {
    // A heading just short of north rounds to "360.0" at one decimal: it is
    // shown as north. The stored heading changes only when the field does.
    const char* format = "%.1f";
    char shown[32];
    snprintf(shown, sizeof(shown), format, *heading);
    float edited = strcmp(shown, "360.0") == 0 ? 0.0f : *heading;
    // The drag stops a degree past north either way; what is typed is not
    // clamped, so that any direction typed comes out as itself.
    if (!ImGui::DragFloat(label, &edited, speed, -1.0f, 361.0f, format) ||
        !std::isfinite(edited)) {
        return false;
    }
    float wrapped = std::fmod(edited, 360.0f);
    if (wrapped < 0.0f) {
        wrapped += 360.0f;
    }
    // A sliver below 0 gives 360 back; -0 would show a sign.
    *heading = wrapped >= 360.0f || wrapped == 0.0f ? 0.0f : wrapped;
    return true;
}
