#include "panels/mini_panel/mini_panel_colours.h"

#include <imgui.h>

void pushRowColours(int hue) {
    float h = static_cast<float>(hue) / 7.0f;
    ImGui::PushStyleColor(ImGuiCol_Button, static_cast<ImVec4>(ImColor::HSV(h, 0.6f, 0.6f)));
    ImGui::PushStyleColor(ImGuiCol_ButtonHovered, static_cast<ImVec4>(ImColor::HSV(h, 0.7f, 0.7f)));
    ImGui::PushStyleColor(ImGuiCol_ButtonActive, static_cast<ImVec4>(ImColor::HSV(h, 0.8f, 0.8f)));
}
