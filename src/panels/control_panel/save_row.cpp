// The save row at the panel's foot: "Save All Cameras", its confirmation and,
// for an aircraft file, "Create Backup".
#include <imgui.h>

#include <algorithm>

#include "cameras/set/camera_set.h"
#include "panels/control_panel/control_panel.h"

void ControlPanelWidget::populateSaveRow() {
    // The row keeps to the window's foot, below whatever the option editor drew.
    const ImGuiStyle& style = ImGui::GetStyle();
    float foot = ImGui::GetWindowHeight() - ImGui::GetFrameHeight() - style.WindowPadding.y;
    ImGui::SetCursorPosY(std::max(ImGui::GetCursorPosY(), foot));
    // Placed from the right edge of what the window shows: on a monitor lower
    // than the panel its scroll bar takes a strip of that edge.
    float windowWidth = ImGui::GetWindowContentRegionMax().x + style.WindowPadding.x;

    if (saveFailed) {
        ImGui::AlignTextToFramePadding();
        ImGui::TextColored(ImVec4(1, 0, 0, 1), "%s",
                           "The camera file could not be saved: see Log.txt");
        ImGui::SameLine();
    }
    GlobalCameraFileNameEntry* active = getCurrentActiveCameraFile();
    if (active != nullptr && active->fileType == 0) {
        ImGui::SetCursorPosX(windowWidth - 310);
        ImGui::Checkbox("Create Backup", &createBackup);
        ImGui::SameLine();
        HelpMarker(
            "Also create a backup copy in Ovilux/AircraftCameraBackups when Save All Cameras is "
            "clicked.");
        ImGui::SameLine();
    } else {
        createBackup = false;
    }
    ImGui::SetCursorPosX(windowWidth - 150);
    if (saveCompletedFrames != 0) {
        ImGui::AlignTextToFramePadding();
        ImGui::TextColored(ImVec4(0, 1, 0, 1), "[SAVE COMPLETED]");
    } else if (ImGui::Button("Save All Cameras##SaveAllCamerasButton")) {
        saveAllCameras(true, createBackup);
    }
}
