// The command row: airport and aircraft cameras, the panels, targets and AI
// perspective, each button running a named command.
#include <imgui.h>

#include "cameras/set/camera_set.h"
#include "panels/mini_panel/mini_control_panel.h"
#include "panels/mini_panel/mini_panel_colours.h"
#include "panels/mini_panel/mini_panel_set_view.h"
#include "positioning/commands/commands.h"
#include "positioning/commands/commands_table.h"
#include "scene/ai_view.h"
#include "world/ai_traffic.h"

namespace {
const int kAutoOnHue = 2;
// The AI scale moves in steps of 0.2 that do not land on its ends exactly.
const float kMinAiScale = 0.2f;
const float kMaxAiScale = 6.0f;
const float kAiScaleTolerance = 0.001f;

// Buttons of the row follow one another on one line.
class RowLine {
public:
    void next() {
        if (!first) {
            ImGui::SameLine();
        }
        first = false;
    }

private:
    bool first = true;
};

RowLine row;
}  // namespace

void MiniControlPanelWidget::populateCommandRow() {
    row = RowLine();
    const GlobalCameraFileNameEntry* file = getCurrentActiveCameraFile();
    if (file != nullptr && file->fileType == kAirportCameraFile) {
        row.next();
        if (ImGui::Button("Aircraft Cameras")) doCommand(kCmdToggleNearestAirportCamera);
        row.next();
        if (ImGui::Button("Nearest Camera")) doCommand(kCmdSelectNearestAirportCamera);
        bool autoOn = getAutoSelectNearestAirportCamera();
        if (autoOn) pushRowColours(kAutoOnHue);
        row.next();
        if (ImGui::Button("Auto Select Nearest Camera")) {
            doCommand(autoOn ? kCmdSelectNearestAirportCamera : kCmdAutoSelectNearestAirportCamera);
        }
        if (autoOn) ImGui::PopStyleColor(3);
    } else if (file != nullptr && file->fileType == kAircraftCameraFile) {
        row.next();
        if (ImGui::Button("Airport Cameras")) doCommand(kCmdToggleAirportCameras);
        row.next();
        if (ImGui::Button("Nearest Airport Camera")) doCommand(kCmdToggleNearestAirportCamera);
        row.next();
        if (ImGui::Button("Auto Select Nearest Airport Camera")) {
            doCommand(kCmdToggleAutoNearestAirportCamera);
        }
    }
    // These make or delete windows: run from the next flight-loop call, not
    // while this panel draws.
    row.next();
    if (ImGui::Button("Control Panel")) pendingCommand = kCmdToggleControlPanel;
    row.next();
    if (ImGui::Button("Settings")) pendingCommand = kCmdOpenSettings;
    row.next();
    if (ImGui::Button("Traffic Display")) pendingCommand = kCmdToggleTrafficDisplay;

    const Camera* camera = miniPanelCurrentCamera();
    if (camera == nullptr) {
        return;
    }
    // A button below may make another camera current: the row is the one of
    // the camera this frame began with.
    const bool cineflex = camera->cineflex, targetFollowing = camera->targetFollowing;
    const bool external = camera->external, freeCamera = camera->freeCamera;
    if (cineflex) {
        row.next();
        if (ImGui::Button("Center")) doCommand(kCmdCenterCamera);
    } else if (targetFollowing) {
        populateTargetButtons();
    }
    if (external && !freeCamera) {
        row.next();
        if (ImGui::Button("Toggle Target Following")) doCommand(kCmdToggleTargetFollowing);
    }
    if (external) {
        populateAiButtons();
    }
}

void MiniControlPanelWidget::populateTargetButtons() {
    row.next();
    if (ImGui::Button("Free Target")) doCommand(kCmdSelectFreeTarget);
    row.next();
    if (ImGui::ArrowButton("Previous Target", ImGuiDir_Left)) doCommand(kCmdSelectPreviousTarget);
    row.next();
    if (ImGui::ArrowButton("Next Target", ImGuiDir_Right)) doCommand(kCmdSelectNextTarget);
    row.next();
    if (ImGui::Button("Nearest Target")) doCommand(kCmdSelectNearestTarget);
    row.next();
    if (ImGui::Button("Reciprocal")) doCommand(kCmdToggleTargetReciprocal);
    row.next();
    if (ImGui::Button("Info")) doCommand(kCmdToggleTargetInformation);
}

void MiniControlPanelWidget::populateAiButtons() {
    int aircraft = getActiveAIPlanes();
    if (!isAiPerspective()) {
        if (aircraft > 0) {
            row.next();
            if (ImGui::Button("AI Perspective On")) doCommand(kCmdToggleAIPerspective);
        }
        return;
    }
    row.next();
    if (ImGui::Button("AI Perspective Off")) doCommand(kCmdToggleAIPerspective);
    if (aircraft > 1) {
        row.next();
        if (ImGui::ArrowButton("Previous AI Plane", ImGuiDir_Left)) {
            doCommand(kCmdSelectPreviousDistantAIPlane);
        }
        row.next();
        if (ImGui::ArrowButton("Next AI Plane", ImGuiDir_Right)) {
            getSortedAiSlots();
            doCommand(kCmdSelectNextDistantAIPlane);
        }
    }
    // The aircraft may have left since the pipeline's last pass: its slot
    // is read only while it is one of the active ones.
    int current = getCurrentAIPlane();
    row.next();
    if (current >= 0 && current < aircraft) {
        ImGui::Text("%s [%.1f NM]", getTcasFlightID(current), getAIPlaneDistance(current));
    } else {
        ImGui::TextUnformatted("");
    }
    float scale = getAiScale();
    if (scale > kMinAiScale + kAiScaleTolerance) {
        row.next();
        if (ImGui::ArrowButton("Scale Down", ImGuiDir_Down)) doCommand(kCmdAIScaleDown);
    }
    if (scale < kMaxAiScale - kAiScaleTolerance) {
        row.next();
        if (ImGui::ArrowButton("Scale Up", ImGuiDir_Up)) doCommand(kCmdAIScaleUp);
    }
}
