// The options box: every behaviour flag and value of the current camera,
// the basic ones always and the advanced ones on request.
#include <imgui.h>

#include "cameras/set/camera_set.h"
#include "panels/control_panel/control_panel.h"
#include "panels/control_panel/panel_fields.h"
#include "panels/control_panel/option_rows.h"
#include "positioning/transitions/auto_advance.h"

namespace {

const ImVec4 kYellow(1.0f, 1.0f, 0.0f, 1.0f);

float optionBoxHeight(bool advanced) {
    if (getSettings()->USE_SMALL_FONT) {
        return advanced ? 325.0f : 110.0f;
    }
    return advanced ? 380.0f : 135.0f;
}

}  // namespace

bool ControlPanelWidget::cameraHasAdvancedOptions() const {
    const Camera* c = getCurrentCamera();
    if (c == nullptr) {
        return false;
    }
    return c->external || c->bezierTransition || c->linearTransition || c->targetFollowing ||
           c->scenicFlyerGA || c->scenicFlyerGlass || c->hidden || c->enableCameraAxis ||
           c->cinemaVerite || c->enableFov || c->enableViewAxis || c->levelCamera ||
           c->trackHeading || c->trackPitch || c->xp9ChaseView || c->zoom > 1.0f;
}

void ControlPanelWidget::populateBasicOptions() {
    float windowWidth = ImGui::GetWindowWidth();
    beginPanelBox("CameraOptions", 880.0f, optionBoxHeight(showAdvancedOptions));
    if (ImGui::BeginMenuBar()) {
        bool changed = ImGui::Checkbox("Show Advanced Camera Options", &showAdvancedOptions);
        // A translucent panel has no frame to resize by hand: it follows the box.
        if (translucent && (changed || (!showAdvancedOptions && fontUnbound))) {
            int shownWidth = 0, shownHeight = 0;
            getSize(&shownWidth, &shownHeight);
            resizeOnMonitor(shownWidth, translucentHeight());
        }
        HelpMarker(
            "Show advanced camera options for external cameras, advanced transitions,camera "
            "tracking, zoom control, etc.");
        if (!showAdvancedOptions && cameraHasAdvancedOptions()) {
            ImGui::TextColored(kYellow, "Warning! This camera has advanced option(s)");
            HelpMarker(
                "The current camera has some advanced camera options specified. Click the "
                "checkbox to the left to see them.");
        }
        if (showAdvancedOptions) {
            ImGui::SameLine(windowWidth - 295.0f);
            if (ImGui::Checkbox("Allow Camera Auto Advance", &autoAdvanceAllowed) &&
                controlPanel() == this) {
                holdAutoAdvance(!allowAutoAdvance());
            }
            HelpMarker(
                "By default a chain of cameras in a transition will not advance when the "
                "control panel is open. This allows you make modifications to those cameras. "
                "Enabling this check box will allow the transitions to operate when the control "
                "panel is open.");
        }
        ImGui::EndMenuBar();
    }
    Camera* camera = getCurrentCamera();
    if (camera != nullptr) {
        GlobalCameraFileNameEntry* activeFile = getCurrentActiveCameraFile();
        bool airport = isAirportFileActive();
        // Rows a little closer than ImGui's default: all thirteen rows of
        // advanced options fit the box without scrolling.
        ImGui::PushStyleVar(ImGuiStyleVar_FramePadding,
                            ImVec2(ImGui::GetStyle().FramePadding.x, 2.0f));
        ImGui::PushStyleVar(ImGuiStyleVar_ItemSpacing,
                            ImVec2(ImGui::GetStyle().ItemSpacing.x, 3.0f));
        ImGui::Columns(3, "BasicColumns", false);
        basicOptionRows(camera, activeFile, airport);
        if (showAdvancedOptions) {
            advancedOptionRows(camera, airport);
        }
        ImGui::Columns(1);
        ImGui::PopStyleVar(2);
    }
    endPanelBox();
}
