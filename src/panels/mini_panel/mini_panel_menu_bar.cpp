// The menu bar: the pin, the height help, what is current, and "Docked".
#include <imgui.h>
#include <imgui_internal.h>

#include <algorithm>
#include <string>

#include "panels/mini_panel/mini_control_panel.h"
#include "panels/mini_panel/mini_panel_set_view.h"
#include "shell/settings.h"

namespace {

// The text on the bar's line between x = from and x = to (window
// coordinates), centred on `centre` as far as that room allows, and cut short
// with ImGui's ellipsis when it is wider than the room.
void textWithin(const std::string& text, float from, float to, float centre) {
    float textWidth = ImGui::CalcTextSize(text.c_str()).x;
    if (textWidth <= to - from) {
        ImGui::SameLine(std::min(std::max(centre - textWidth / 2, from), to - textWidth));
        ImGui::TextUnformatted(text.c_str());
        return;
    }
    if (to <= from) {
        return;
    }
    ImGui::SameLine(from);
    ImGuiWindow* window = ImGui::GetCurrentWindow();
    ImVec2 size(to - from, ImGui::GetTextLineHeight());
    ImVec2 min(window->DC.CursorPos.x, window->DC.CursorPos.y + window->DC.CurrLineTextBaseOffset);
    ImVec2 max(min.x + size.x, min.y + size.y);
    ImGui::RenderTextEllipsis(window->DrawList, min, max, max.x, max.x, text.c_str(), nullptr,
                              nullptr);
    ImGui::ItemSize(size, 0.0f);
    ImGui::ItemAdd(ImRect(min, max), 0);
}

}  // namespace

void MiniControlPanelWidget::populateMenuBar() {
    if (!ImGui::BeginMenuBar()) {
        return;
    }
    float width = ImGui::GetWindowWidth();
    if (docked && getSettings()->ENABLE_AUTO_SHOW_MINI_CONTROL_PANEL) {
        ImGui::Checkbox("Pin Mini-Control Panel", &pinned);
    } else {
        ImGui::InvisibleButton("AnInvisableButton", ImVec2(5, 20));
    }
    if (docked) {
        ImGui::SameLine();
        HelpMarker(
            "You can set the height of the docked Mini-Control Panel by left clicking on this "
            "title bar and moving the mouse up and down.");
    }

    // What is current, centred on the bar but clear of what stands left of
    // it and of the "Docked" box: a narrow floating panel cuts it short.
    float dockedX = width - 125;
    ImGui::SameLine();
    float roomLeft = ImGui::GetCursorPosX();
    std::string current = std::string(activeCameraFileName()) + " [" + currentCategoryName() +
                          "] [" + currentCameraName() + "]";
    textWithin(current, roomLeft, dockedX - ImGui::GetStyle().ItemSpacing.x, width / 2);

    ImGui::SameLine(dockedX);
    ImGui::Checkbox("Docked", &docked);
    ImGui::SameLine();
    HelpMarker(
        "You need to undock the Mini-Control Panel in order to pop it out to an OS level "
        "window. If the Mini-Control Panel is popped out then checking this box will pop it "
        "back in and dock it to the bottom of the screen.");
    ImGui::EndMenuBar();
}
