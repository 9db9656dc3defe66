// A panel whose own ImGui frame is built without the OpenGL draw, for the
// panels' frame benchmarks.
#pragma once

#include <imgui.h>

template <class Panel>
class BenchPanelFrame : public Panel {
public:
    using Panel::Panel;
    void buildFrame(float width, float height, ImGuiWindowFlags flags) {
        ImGui::SetCurrentContext(this->getImguiContext());
        ImGui::GetIO().DisplaySize = ImVec2(width, height);
        ImGui::NewFrame();
        ImGui::SetNextWindowPos(ImVec2(0, 0), ImGuiCond_Always);
        ImGui::SetNextWindowSize(ImVec2(width, height), ImGuiCond_Always);
        ImGui::Begin("Bench", nullptr, flags);
        this->buildInterface();
        ImGui::End();
        ImGui::Render();
    }
};
