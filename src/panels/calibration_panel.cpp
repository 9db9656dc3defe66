#include "panels/calibration_panel.h"

#include <imgui.h>

#include <algorithm>

#include "libwinkit/font_file.h"
#include "panels/calibration_state.h"
#include "panels/panel_placement.h"
#include "positioning/input/joystick_axes.h"
#include "shell/settings.h"

namespace {

std::vector<CalibrateViewAxisWidget*> panels;

const char* const kAxisLabels[kCalibratedAxes] = {"View Heading",        "View Pitch",
                                    "View Zoom",           "Camera Left / Right",
                                    "Camera Up / Down",    "Camera Forward / Back"};
const int kZoomAxis = 2;

}  // namespace

CalibrateViewAxisWidget::CalibrateViewAxisWidget(int left, int top, int right, int bottom,
                                                 int decoration)
    : QfnImWindow(left, top, right, bottom, decoration) {
    SetWindowTitle("Calibrate View Axis");
    findViewCameraAxisAssignments();
    beginAxisCalibration();
    for (int axis = 0; axis < kCalibratedAxes; ++axis) {
        *axisCentre(getSettings(), axis) = 0.0f;
    }
    getSettings()->VIEW_AXIS_NULL_ZONE = 0.0f;
    SetVisible(true);
    panels.push_back(this);
}

CalibrateViewAxisWidget::~CalibrateViewAxisWidget() {
    panels.erase(std::remove(panels.begin(), panels.end(), this), panels.end());
    end(true);
}

const std::vector<CalibrateViewAxisWidget*>& CalibrateViewAxisWidget::openPanels() {
    return panels;
}

void CalibrateViewAxisWidget::deleteAll() {
    while (!panels.empty()) {
        delete panels.back();
    }
}

void CalibrateViewAxisWidget::configureImguiContext() {
    addFontFile(getXPlaneFontPath("Roboto-Regular.ttf"), 18.0f);
}

void CalibrateViewAxisWidget::end(bool restore) {
    if (ended) {
        return;
    }
    ended = true;
    if (restore) {
        restoreCalibrationValues();
    }
    endAxisCalibration();
}

void CalibrateViewAxisWidget::onHide() {
    // The close box cancels: the values in force before the panel opened.
    end(true);
    SafeDelete();
}

void CalibrateViewAxisWidget::drawAxisBar(int axis) {
    float value = 0.0f;
    if (getAxisValue(axis, &value)) {
        int n = axis == kZoomAxis ? static_cast<int>(500 * value)
                                  : static_cast<int>(250 * value + 250);
        ImGui::ProgressBar(n / 500.0f, ImVec2(0, 0), "");
    } else {
        ImGui::ProgressBar(0.2f, ImVec2(0, 0), "Axis Not Detected - Check X-Plane axis assigments");
    }
    ImGui::SameLine();
    ImGui::TextUnformatted(kAxisLabels[axis]);
}

void CalibrateViewAxisWidget::measureCentres() {
    for (int axis = 0; axis < kCalibratedAxes; ++axis) {
        float value = 0.0f;
        // The axis smoother settles over the first readings.
        for (int reading = 0; reading <= 100; ++reading) {
            getAxisValue(axis, &value);
        }
        *axisCentre(getSettings(), axis) = value;
    }
    getSettings()->VIEW_AXIS_NULL_ZONE = savedCalibrationNullZone();
}

void CalibrateViewAxisWidget::buildInterface() {
    static const char* const kInstructions[3] = {
        "Move each view axis through it's full range. Press Next when complete.",
        "Center each axis. Press Next when complete.",
        "Adjust the null zone. Press Finish when complete."};
    ImGui::TextUnformatted("");
    ImGui::TextUnformatted(kInstructions[step]);
    ImGui::TextUnformatted("");
    for (int axis = 0; axis < kCalibratedAxes; ++axis) {
        drawAxisBar(axis);
    }
    if (step == 2) {
        ImGui::SliderFloat("Null Zone", &getSettings()->VIEW_AXIS_NULL_ZONE, 0.0f, 0.25f,
                           "%.3f");
    }
    if (!errorText.empty()) {
        ImGui::TextColored(ImVec4(1, 0, 0, 1), "%s", errorText.c_str());
    }
    ImGui::TextUnformatted("");
    ImGui::SameLine(ImGui::GetWindowWidth() - 150);
    if (ended) {
        return;
    }
    if (ImGui::Button("Cancel")) {
        end(true);
        SafeDelete();
        return;
    }
    ImGui::SameLine();
    if (step < 2) {
        if (ImGui::Button("Next")) {
            if (step == 1) {
                measureCentres();
            }
            ++step;
        }
    } else if (ImGui::Button("Finish")) {
        std::string whyNot;
        if (saveSettings(&whyNot)) {
            keepFinishedCalibration();
            end(false);
            SafeDelete();
        } else {
            // Not saved: the panel stays, the values in memory, and says why.
            errorText = whyNot;
        }
    }
}

void createViewAxisCalibratePanel() {
    PanelRect r = newPanelRect(650, 310);
    CalibrateViewAxisWidget* panel =
        new CalibrateViewAxisWidget(r.left, r.top, r.right, r.bottom, 1);
    panel->init();
    panel->center();
}
