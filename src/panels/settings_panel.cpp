#include "panels/settings_panel.h"

#include <imgui.h>

#include <memory>

#include "libwinkit/font_file.h"
#include "panels/calibration_state.h"
#include "panels/monitor_bounds.h"
#include "panels/panel_placement.h"
#include "panels/settings_repair.h"
#include "shell/host_info.h"
#include "shell/settings.h"

namespace {

const float kColumns[4] = {240, 360, 480, 600};
// The monitors the panel may be put on: read once, when it is made.
int readMonitorCount() {
    MonitorBounds bounds{};
    getMonitorBounds(&bounds);
    return bounds.count;
}

void rowLabel(const char* label) {
    ImGui::AlignTextToFramePadding();
    ImGui::TextUnformatted(label);
}

// A drag, and a value typed into it, stop at the bounds the repair keeps and
// the file is read within, so a value entered is one that stays: typed past
// an end, it is held at that end.
bool dragFloat(const char* id, float Settings::*field, float step, const char* format) {
    ValueRange range = repairedRange(field);
    return ImGui::DragFloat(id, &(getSettings()->*field), step, static_cast<float>(range.min),
                            static_cast<float>(range.max), format, ImGuiSliderFlags_AlwaysClamp);
}

bool dragInt(const char* id, int Settings::*field) {
    ValueRange range = repairedRange(field);
    return ImGui::DragInt(id, &(getSettings()->*field), 1.0f, static_cast<int>(range.min),
                          static_cast<int>(range.max), "%d", ImGuiSliderFlags_AlwaysClamp);
}

void fourFloats(const char* label, const char* const ids[4], float Settings::*const fields[4]) {
    static const float kSteps[4] = {0.005f, 0.05f, 0.1f, 1.0f};
    rowLabel(label);
    for (int column = 0; column < 4; ++column) {
        ImGui::SameLine(kColumns[column]);
        dragFloat(ids[column], fields[column], kSteps[column], "%.4f");
    }
}

void intRow(const char* label, const char* id, int Settings::*field) {
    rowLabel(label);
    ImGui::SameLine(kColumns[0]);
    dragInt(id, field);
}

std::shared_ptr<SettingsWidget>& holder() {
    static std::shared_ptr<SettingsWidget> panel;
    return panel;
}

}  // namespace

SettingsWidget::SettingsWidget(int left, int top, int right, int bottom, int decoration)
    : QfnImWindow(left, top, right, bottom, decoration) {
    char title[64];
    snprintf(title, sizeof(title), "Ovilux %s Settings", getVersionString());
    SetWindowTitle(title);
    SetVisible(true);
    monitorCount = readMonitorCount();
}

void SettingsWidget::configureImguiContext() {
    addFontFile(getXPlaneFontPath("Roboto-Regular.ttf"), 18.0f);
    // Twenty-three rows of 18-pixel text and their buttons fit the panel's
    // 600 boxels only with rows a little closer than ImGui's default.
    ImGuiStyle& style = ImGui::GetStyle();
    style.FramePadding.y = 2.0f;
    style.ItemSpacing.y = 3.0f;
}

void SettingsWidget::buildSpeedRows() {
    ImGui::TextUnformatted("");
    ImGui::SameLine(kColumns[0]);
    ImGui::TextUnformatted("Small");
    ImGui::SameLine(kColumns[1]);
    ImGui::TextUnformatted("Medium");
    ImGui::SameLine(kColumns[2]);
    ImGui::TextUnformatted("Large");
    ImGui::SameLine(kColumns[3]);
    ImGui::TextUnformatted("Very Large");

    static const char* const panIds[4] = {"##SmallPanSpeed", "##MediumPanSpeed",
                                          "##LargePanSpeed", "##VeryLargePanSpeed"};
    static float Settings::*const pan[4] = {
        &Settings::SMALL_ROTATION_SPEED, &Settings::MEDIUM_ROTATION_SPEED,
        &Settings::LARGE_ROTATION_SPEED, &Settings::VERY_LARGE_ROTATION_SPEED};
    fourFloats("Pan Speed in Degrees", panIds, pan);

    static const char* const moveIds[4] = {"##SmallMovementSpeed", "##MediumMovementSpeed",
                                           "##LargeMovementSpeed", "##VeryLargeMovementSpeed"};
    static float Settings::*const move[4] = {
        &Settings::SMALL_MOVEMENT_SPEED, &Settings::MEDIUM_MOVEMENT_SPEED,
        &Settings::LARGE_MOVEMENT_SPEED, &Settings::VERY_LARGE_MOVEMENT_SPEED};
    fourFloats("Movement Speed in Meters", moveIds, move);

    static const char* const trackIds[4] = {"##SmallTrack RangeSpeed", "##MediumTrack RangeSpeed",
                                            "##LargeTrack RangeSpeed",
                                            "##VeryLargeTrack RangeSpeed"};
    static float Settings::*const track[4] = {
        &Settings::SMALL_HEADTRACK_RANGE, &Settings::MEDIUM_HEADTRACK_RANGE,
        &Settings::LARGE_HEADTRACK_RANGE, &Settings::VERY_LARGE_HEADTRACK_RANGE};
    fourFloats("Head Track Range in Meters", trackIds, track);

    rowLabel("Pan Speed Factor");
    ImGui::SameLine(kColumns[0]);
    dragFloat("##Pan Speed Factor", &Settings::panSpeedFactor, 0.1f, "%.4f");
    rowLabel("Movement Speed Factor");
    ImGui::SameLine(kColumns[0]);
    dragFloat("##Movement Speed Factor", &Settings::movementSpeedFactor, 0.1f, "%.4f");
}

void SettingsWidget::buildSmoothingRows() {
    Settings* s = getSettings();
    rowLabel("Movement Smoothing Factor");
    ImGui::SameLine();
    HelpMarker(
        "You must set this to a value greater than 2 to have any movement smoothing.\n\n"
        "Note: If you enable View or Camera axis input on a camera then movement smoothing "
        "will not be applied.");
    ImGui::SameLine(kColumns[0]);
    dragInt("##Movement Smoothing Factor", &Settings::MOVEMENT_SMOOTHING_FACTOR);

    intRow("Mouse Smoothing Factor", "##Mouse Smoothing Factor",
           &Settings::MOUSE_SMOOTHING_FACTOR);
    ImGui::SameLine(kColumns[1]);
    ImGui::TextUnformatted("Mouse Speed Factor");
    ImGui::SameLine(kColumns[3]);
    dragFloat("##Mouse Speed Factor", &Settings::MOUSE_SPEED_FACTOR, 0.01f, "%.2f");

    intRow("Head Track Smoothing Factor", "##Head Track Smoothing Factor",
           &Settings::HEAD_TRACK_SMOOTHING_FACTOR);
    intRow("View Axis Smoothing Factor", "##View Axis Smoothing Factor",
           &Settings::VIEW_AXIS_SMOOTHING_FACTOR);
    intRow("Camera Smoothing Factor", "##Camera Smoothing Factor", &Settings::SMOOTH_WINDOW);

    ImGui::SameLine(kColumns[1]);
    ImGui::TextUnformatted("Mini Control Panel Monitor");
    ImGui::SameLine();
    HelpMarker(
        "If you have X-Plane configured to use multiple monitors for the cockpit display this "
        "will allow you to specify which monitor you want the Mini-Control panel on. If you "
        "have three monitors configured then the valid values for this are 0,1, and 2");
    ImGui::SameLine(kColumns[3]);
    if (!isInRange(ValueKind::PanelMonitor, s->MINI_CONTROL_PANEL_MONITOR_INDEX)) {
        s->MINI_CONTROL_PANEL_MONITOR_INDEX = 0;
    }
    static const char* const kIndexes[kMaxMonitors] = {"0", "1", "2",  "3",  "4",
                                                      "5", "6", "7",  "8",  "9",
                                                      "10", "11", "12", "13", "14"};
    ImGui::Combo("##Mini Control Panel Monitor Index", &s->MINI_CONTROL_PANEL_MONITOR_INDEX,
                 kIndexes, monitorCount);
}

void SettingsWidget::buildCheckboxes() {
    Settings* s = getSettings();
    // Why the last save failed, on the empty line above the checkboxes: the
    // panel has no room below its buttons.
    if (errorText.empty()) {
        ImGui::TextUnformatted("");
    } else {
        ImGui::TextColored(ImVec4(1, 0, 0, 1), "%s", errorText.c_str());
    }
    ImGui::Checkbox("Enable Auto Show Mini Control Panel",
                    &s->ENABLE_AUTO_SHOW_MINI_CONTROL_PANEL);
    ImGui::SameLine(kColumns[1]);
    ImGui::Checkbox("Open Mini Control Panel on Start",
                    &s->ENABLE_OPEN_MINI_CONTROL_PANEL_ON_START);

    ImGui::Checkbox("Show Target Information", &s->ENABLE_SHOW_TARGET_INFORMATION);
    ImGui::SameLine(kColumns[1]);
    ImGui::Checkbox("Pause When Aiming Target", &s->PAUSE_ON_FREE_TARGET_AIM);

    ImGui::Checkbox("Lock Keyboard Control", &s->LOCK_KEYBOARD_CONTROL);
    ImGui::SameLine();
    HelpMarker(
        "Enabling this may eliminate a possible conflict using the up and down arrow keys "
        "with ATC and camera movement.\n\nPlease refer to the Ovilux User Guide for more "
        "information.");
    ImGui::SameLine(kColumns[1]);
    ImGui::Checkbox("Enable Pan Speed Toggle", &s->ENABLE_PANSPEED_TOGGLE);

    ImGui::Checkbox("Enable Solid Control Panel", &s->ENABLE_SOLID_CONTROL_PANEL);
    ImGui::SameLine(kColumns[1]);
    ImGui::Checkbox("Enable Transparent Mini Control Panel",
                    &s->ENABLE_TRANSPARENT_MINI_CONTROL_PANEL);

    ImGui::Checkbox("Disable Quick Look Emulation", &s->DISABLE_QUICK_LOOK_EMULATION);
    ImGui::SameLine(kColumns[1]);
    ImGui::Checkbox("Hide Favorites in Mini Control Panel", &s->HIDE_FAVORITES);

    ImGui::Checkbox("Enable Force Fov", &s->ENABLE_FORCE_FOV);
    ImGui::SameLine(kColumns[1]);
    ImGui::Checkbox("Always Show Advanced Camera Options",
                    &s->ALWAYS_SHOW_ADVANCED_CAMERA_OPTIONS);

    ImGui::Checkbox("Disable Voice Messages", &s->DISABLE_VOICE_PROMPTS);
    ImGui::SameLine(kColumns[1]);
    static const char* const kMiddleMouse[3] = {"Mouse Look", "Toggle Zoom Lock", "None"};
    ImGui::SetNextItemWidth(150);
    ImGui::Combo("Middle Mouse Behavior", &s->MIDDLE_MOUSE_BEHAVIOR, kMiddleMouse, 3);

    ImGui::Checkbox("Use Small Font for Both Control Panels", &s->USE_SMALL_FONT);
    ImGui::SameLine(kColumns[1]);
    ImGui::Checkbox("Reverse Circle View Mouse Y Axis", &s->REVERSE_CIRCLE_VIEW_MOUSE_Y);
    ImGui::SameLine();
    HelpMarker(
        "When checked will have the forward and back movement of the mouse make the\n"
        "circle camera height adjustment behavior more closely match the X-Plane circle view.");

    ImGui::Checkbox("Circle View Wheel Zoom", &s->CIRCLE_VIEW_WHEEL_ZOOM);
    ImGui::SameLine();
    HelpMarker(
        "When checked the mouse wheel will zoom a circle view camera.\n"
        "When unchecked the mouse wheel will move the circle view camera\n"
        "closer or further away from plane.");
}

void SettingsWidget::restoreDefaults() {
    Settings* s = getSettings();
    Settings kept = *s;
    *s = *getDefaultSettings();
    s->VIEW_AXIS_NULL_ZONE = kept.VIEW_AXIS_NULL_ZONE;
    for (int axis = 0; axis < kCalibratedAxes; ++axis) {
        *axisCentre(s, axis) = *axisCentre(&kept, axis);
    }
    s->LAST_CONTROL_PANEL_POSITION = kept.LAST_CONTROL_PANEL_POSITION;
    s->LAST_MINI_CONTROL_PANEL_POSITION = kept.LAST_MINI_CONTROL_PANEL_POSITION;
}

void SettingsWidget::buildButtons() {
    ImGui::TextUnformatted("");
    ImGui::SameLine(400);
    if (ImGui::Button("Close")) {
        SetVisible(false);
    }
    ImGui::SameLine();
    if (ImGui::Button("Default Settings")) {
        restoreDefaults();
    }
    ImGui::SameLine();
    if (ImGui::Button("Save Settings")) {
        // A calibration in progress has its axis values zeroed: the values in
        // force before it are the ones written.
        if (saveSettingsOutsideCalibration(&errorText)) {
            errorText.clear();
            SetVisible(false);
        }
    }
}

void SettingsWidget::buildInterface() {
    ImGui::PushItemWidth(90);
    buildSpeedRows();
    buildSmoothingRows();
    buildCheckboxes();
    ImGui::PopItemWidth();
    buildButtons();
    repairSettingsRanges(getSettings(), *getDefaultSettings(), monitorCount);
}

void showNewSettingsPanel(bool toggle) {
    std::shared_ptr<SettingsWidget>& panel = holder();
    if (!panel) {
        PanelRect r = newPanelRect(710, 600);
        panel = std::make_shared<SettingsWidget>(r.left, r.top, r.right, r.bottom, 1);
        panel->init();
        panel->center();
    } else if (toggle && panel->GetVisible()) {
        panel->SetVisible(false);
    } else {
        panel->SetVisible(true);
    }
}

void hideSettingsPanel() {
    if (holder()) {
        holder()->SetVisible(false);
    }
}

void deleteSettingsPanel() { holder().reset(); }

SettingsWidget* settingsPanel() { return holder().get(); }
