// The menu bar: the pin, the height help, what is current, and "Docked".
#include <imgui.h>

#include "panels/mini_panel/mini_control_panel.h"
#include "panels/mini_panel/mini_panel_set_view.h"
#include "shell/settings.h"

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

    const char* fileName = activeCameraFileName();
    const char* categoryName = currentCategoryName();
    const char* cameraName = currentCameraName();
    ImVec2 fileSize = ImGui::CalcTextSize(fileName);
    ImVec2 categorySize = ImGui::CalcTextSize(categoryName);
    ImVec2 cameraSize = ImGui::CalcTextSize(cameraName);
    ImVec2 frameSize = ImGui::CalcTextSize(" [] []");
    float textWidth = fileSize.x + categorySize.x + cameraSize.x + frameSize.x;
    ImGui::SameLine(width / 2 - textWidth / 2);
    ImGui::Text("%s [%s] [%s]", fileName, categoryName, cameraName);

    ImGui::SameLine(width - 125);
    ImGui::Checkbox("Docked", &docked);
    ImGui::SameLine();
    HelpMarker(
        "You need to undock the Mini-Control Panel in order to pop it out to an OS level "
        "window. If the Mini-Control Panel is popped out then checking this box will pop it "
        "back in and dock it to the bottom of the screen.");
    ImGui::EndMenuBar();
}
