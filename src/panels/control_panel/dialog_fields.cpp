#include "panels/control_panel/dialog_fields.h"

#include <cctype>
#include <cmath>

bool dragUnlimited(const char* label, float* value, float speed, const char* format) {
    float before = *value;
    bool changed = ImGui::DragFloat(label, value, speed, 0.0f, 0.0f, format);
    if (!std::isfinite(*value)) {
        *value = before;
        return false;
    }
    return changed;
}

bool dragWithin(const char* label, float* value, float speed, float min, float max,
                const char* format) {
    float before = *value;
    bool changed =
        ImGui::DragFloat(label, value, speed, min, max, format, ImGuiSliderFlags_AlwaysClamp);
    // A clamp lets nan through: it compares false with both limits.
    if (std::isnan(*value)) {
        *value = before;
        return false;
    }
    return changed;
}

bool dragHeading(const char* label, float* heading) {
    bool changed = dragWithin(label, heading, 1.0f, -1.0f, 361.0f, "%.1f");
    if (*heading < 0.0f) {
        *heading += 360.0f;
    } else if (*heading > 360.0f) {
        *heading -= 360.0f;
    }
    return changed;
}

bool isBlankName(const char* name) {
    for (; *name != 0; ++name) {
        if (!isspace(static_cast<unsigned char>(*name))) {
            return false;
        }
    }
    return true;
}
