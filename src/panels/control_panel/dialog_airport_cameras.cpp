#include <imgui.h>

#include "cameras/generators/airport_camera_generator.h"
#include "cameras/set/camera_set.h"
#include "panels/control_panel/control_panel.h"
#include "panels/control_panel/dialog_memory.h"
#include "panels/control_panel/panel_fields.h"

namespace {
// The wait text is drawn for this many frames before the generation, which
// holds up the frame it runs in.
const int kFramesBeforeGeneration = 10;

struct AirportCamerasDialog {
    AirportCameraCreationOptions options;
    // "Defaults" was pressed: the generator's defaults return in the next frame.
    bool restoreDefaults = false;
    // Frames since "Create"; 0 while the options are edited.
    int createTheCameras = 0;
};
AirportCamerasDialog airport;
}  // namespace

void ControlPanelWidget::processCreateAirportCameras() {
    int& createTheCameras = airport.createTheCameras;
    // A wait cut short by hiding the panel must not generate when the dialog
    // is opened again.
    if (dialogRequest == kDialogCreateAirportCameras) {
        createTheCameras = 0;
    }
    if (!ImGui::BeginPopupModal("Create Airport Cameras", nullptr,
                                ImGuiWindowFlags_AlwaysAutoResize)) {
        return;
    }
    if (airport.restoreDefaults) {
        airport.options = AirportCameraCreationOptions();
        airport.restoreDefaults = false;
    }
    AirportCameraCreationOptions& options = airport.options;
    if (createTheCameras == 0) {
        ImGui::TextUnformatted("Camera Offsets in Meters");
        ImGui::TextUnformatted("");
        ImGui::PushItemWidth(100);
        const ValueKind offset = ValueKind::Offset;
        dragInRange("Runways Horizontal Offset", &options.runwayHorizontalOffset, 1.0f, offset,
                    "%.2f");
        dragInRange("Runways Vertical Offset", &options.runwayVerticalOffset, 1.0f, offset,
                    "%.2f");
        dragInRange("Starting Position Horizontal Offset", &options.startHorizontalOffset, 1.0f,
                    offset, "%.2f");
        dragInRange("Starting Position Vertical Offset", &options.startVerticalOffset, 1.0f,
                    offset, "%.2f");
        dragInRange("Signs Vertical Offset", &options.signVerticalOffset, 1.0f, offset, "%.2f");
        dragClamped("Signs Camera Culling Radius", &options.signCullingRadius, 1.0f, 0.0f, 1000.0f,
                   "%.2f");
        ImGui::PopItemWidth();
        ImGui::Checkbox("Enable Tracking Cameras", &options.enableTracking);
        ImGui::Checkbox("Forward Facing Starting Position Camera", &options.forwardFacingStart);
        ImGui::Checkbox("Create Airport Targets", &options.createTargets);
        ImGui::TextUnformatted("");
        if (ImGui::Button("Defaults", ImVec2(kDialogButtonWidth, 0))) {
            airport.restoreDefaults = true;
        }
        ImGui::SameLine();
        if (ImGui::Button("Cancel", ImVec2(kDialogButtonWidth, 0))) {
            ImGui::CloseCurrentPopup();
        }
        ImGui::SetItemDefaultFocus();
        ImGui::SameLine();
        if (ImGui::Button("Create", ImVec2(kDialogButtonWidth, 0))) {
            createTheCameras = 1;
        }
    } else {
        ImGui::TextUnformatted("");
        ImGui::TextUnformatted("          Please wait, this can take a while...        ");
        ImGui::TextUnformatted("");
        if (++createTheCameras > kFramesBeforeGeneration) {
            // The user may have switched to the aircraft's file meanwhile.
            if (isAirportFileActive()) {
                createAirportCameras(options);
            }
            createTheCameras = 0;
            ImGui::CloseCurrentPopup();
        }
    }
    ImGui::EndPopup();
}

void resetAirportCamerasDialog() { airport = AirportCamerasDialog(); }
