// The movement box: the pad that moves and turns the current camera (its
// buttons repeat while held) and the camera's angle and position fields.
#include <imgui.h>

#include <cstdio>
#include <cstring>

#include "cameras/set/camera_set.h"
#include "cameras/set/free_camera.h"
#include "panels/control_panel/control_panel.h"
#include "panels/control_panel/panel_fields.h"
#include "positioning/commands/movement.h"
#include "scene/pose_angles.h"
#include "shell/angles.h"

namespace {

// The movement operations of positionCamera.
enum PadOperation {
    kForward = 0, kBack = 1, kLeft = 2, kRight = 3, kUp = 4, kDown = 5, kPitchUp = 6,
    kPitchDown = 7, kTurnLeft = 8, kTurnRight = 9, kHome = 11, kZeroBearing = 12, kZeroPitch = 13,
};

const ImVec2 kPadButton(65.0f, 25.0f);
const float kAngleSpeed = 0.5f;

void padButton(const char* label, int operation) {
    if (ImGui::Button(label, kPadButton)) {
        positionCamera(operation, getWalkMode());
    }
    ImGui::SameLine();
}

void arrowButton(const char* id, ImGuiDir direction, float x, int operation) {
    ImGui::SameLine(x);
    if (ImGui::ArrowButton(id, direction)) {
        positionCamera(operation, getWalkMode());
    }
}

void movementMenu(Camera* camera) {
    if (!ImGui::BeginMenuBar()) {
        return;
    }
    if (camera != nullptr) {
        static const char* const kRanges[] = {"Small", "Medium", "Large", "Very Large"};
        ImGui::SetNextItemWidth(150.0f);
        ImGui::Combo("Movement Increment", &camera->initialMovementRange, kRanges, 4);
        QfnImWindow::HelpMarker(
            "The movement increment determines how far the camera will move with each button "
            "press.");
    }
    ImGui::EndMenuBar();
}

// Pitch is kept 0..360 and shown folded into -180..180. A pitch a hair
// below level is shown as level: "-0.0" would read as a sign that is not
// there. The stored pitch changes only when the field does.
void pitchField(Camera* camera) {
    float shown = fixPitchRollAngle(camera->pitch);
    char text[32];
    snprintf(text, sizeof(text), "%.1f", shown);
    if (strcmp(text, "-0.0") == 0) {
        shown = 0.0f;
    }
    if (dragClamped("Pitch", &shown, kAngleSpeed, -180.0f, 180.0f, "%.1f")) {
        camera->pitch = fixAngle(shown);
    }
}

void yawField(Camera* camera) {
    float heading = camera->heading;
    if (dragHeading("Yaw", &heading, kAngleSpeed)) {
        camera->heading = heading;
    }
}

float movementSpeed(const Camera* camera) {
    const Settings* s = getSettings();
    const float speeds[4] = {s->SMALL_MOVEMENT_SPEED, s->MEDIUM_MOVEMENT_SPEED,
                             s->LARGE_MOVEMENT_SPEED, s->VERY_LARGE_MOVEMENT_SPEED};
    int range = camera->initialMovementRange;
    return speeds[range >= 0 && range < 4 ? range : 1];
}

void positionFields(Camera* camera) {
    float speed = movementSpeed(camera);
    float position[3] = {camera->x, camera->y, camera->z};
    ImGui::PushItemWidth(100.0f);
    bool changed = dragInRange("X", &position[0], speed, ValueKind::Offset, "%.3f");
    ImGui::SameLine();
    changed |= dragInRange("Y", &position[1], speed, ValueKind::Offset, "%.3f");
    ImGui::SameLine();
    changed |= dragInRange("Z", &position[2], speed, ValueKind::Offset, "%.3f");
    ImGui::PopItemWidth();
    if (changed) {
        // A free camera is the world point its file keeps: one the file
        // could not hold leaves the camera where it was.
        if (camera->freeCamera) {
            placeFreeCamera(camera, position[0], position[1], position[2]);
        } else {
            camera->x = position[0];
            camera->y = position[1];
            camera->z = position[2];
        }
    }
    ImGui::SameLine();
    QfnImWindow::HelpMarker(
        "Double click the numeric fields to manually enter the value or left click and drag to "
        "change the value with horizontal mouse movement. Hold the buttons down to repeat a "
        "movement.");
}

}  // namespace

void ControlPanelWidget::populateCameraMovement() {
    Camera* camera = getCurrentCamera();
    ImGui::SameLine();
    beginPanelBox("ChildMovement", 435.0f, getSettings()->USE_SMALL_FONT ? 145.0f : 160.0f);
    movementMenu(camera);
    if (camera != nullptr) {
        ImGui::PushButtonRepeat(true);
        ImGui::PushItemWidth(70.0f);

        if (ImGui::Button("Home", kPadButton)) {
            positionCamera(kHome, 0);
        }
        ImGui::SameLine();
        padButton("Up", kUp);
        padButton("Forward", kForward);
        pitchField(camera);
        arrowButton("##PitchUp", ImGuiDir_Up, 370.0f, kPitchUp);

        padButton("Left", kLeft);
        if (ImGui::Button("Center", kPadButton)) {
            positionCamera(kZeroBearing, 0);
            positionCamera(kZeroPitch, 0);
        }
        ImGui::SameLine();
        padButton("Right", kRight);
        yawField(camera);
        arrowButton("##RotateLeft", ImGuiDir_Left, 350.0f, kTurnLeft);
        arrowButton("##RotateRight", ImGuiDir_Right, 390.0f, kTurnRight);

        ImGui::InvisibleButton("Invisable", kPadButton);
        ImGui::SameLine();
        padButton("Down", kDown);
        padButton("Back", kBack);
        dragClamped("Roll", &camera->roll, kAngleSpeed, -180.0f, 180.0f, "%.1f");
        arrowButton("##PitchDown", ImGuiDir_Down, 370.0f, kPitchDown);

        ImGui::PopItemWidth();
        ImGui::PopButtonRepeat();
        positionFields(camera);
    }
    endPanelBox();
}
