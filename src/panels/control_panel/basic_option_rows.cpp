// The options every camera shows: transitions, positioning, the effect
// plug-in and the cockpit's own settings.
#include <imgui.h>

#include "cameras/files/camera_file_entry.h"
#include "cameras/set/camera.h"
#include "libwinkit/qfn_im_window.h"
#include "panels/control_panel/effect_combo.h"
#include "panels/control_panel/panel_fields.h"
#include "panels/control_panel/option_rows.h"
#include "positioning/commands/movement.h"

namespace {

void smoothTransitionRow(Camera* camera) {
    if (checkboxCell("Enable Smooth Transition", &camera->smoothTransition)) {
        stopAnimationRequest();
        if (camera->smoothTransition) {
            camera->linearTransition = false;
            camera->bezierTransition = false;
        }
    }
}

// The chosen effect is written back every frame, so a camera shown here never
// keeps more than one effect source.
int effectRow(Camera* camera) {
    static const char* const kEffects[] = {"None", "HeadShake", "XP-Realistic", "RealView",
                                           "Lua Script"};
    int effect = effectOf(camera);
    ImGui::SetNextItemWidth(120.0f);
    ImGui::Combo("Effect Plugins", &effect, kEffects, 5);
    applyEffect(camera, effect);
    ImGui::NextColumn();
    return effect;
}

void scriptIdRow(Camera* camera, int effect) {
    if (effect != kEffectLuaScript) {
        emptyCell();
        return;
    }
    ImGui::SetNextItemWidth(90.0f);
    dragClampedInt("Lua Script ID", &camera->scriptId, 1.0f, 1, 30000);
    if (camera->scriptId < 0) {
        camera->scriptId = 0;
    }
    ImGui::NextColumn();
}

void yokeRow(Camera* camera) {
    if (camera->external) {
        emptyCell();
        return;
    }
    static const char* const kYoke[] = {"Don't Force", "Force to 0", "Force to 1"};
    ImGui::SetNextItemWidth(120.0f);
    ImGui::Combo("Yoke Visibility", &camera->hideYoke, kYoke, 3);
    ImGui::NextColumn();
}

}  // namespace

bool checkboxCell(const char* label, bool* value, const char* help) {
    bool changed = ImGui::Checkbox(label, value);
    if (help != nullptr) {
        ImGui::SameLine();
        QfnImWindow::HelpMarker(help);
    }
    ImGui::NextColumn();
    return changed;
}

void emptyCell() { ImGui::NextColumn(); }

void basicOptionRows(Camera* camera, GlobalCameraFileNameEntry* activeFile, bool airport) {
    smoothTransitionRow(camera);
    if (checkboxCell("Enable Temporary Positioning", &camera->temporaryPositioning,
                     "Set this option to have the camera restored to its last saved position "
                     "if you move off it or re-select it.") &&
        camera->temporaryPositioning) {
        rememberCameraPosition(camera);
    }
    checkboxCell("Retain Mouse Look Position", &camera->retainMouseLookPosition,
                 "Set this option to have the camera remain at the last mouse look position.");
    if (airport) {
        return;
    }
    int effect = effectRow(camera);
    scriptIdRow(camera, effect);
    if (activeFile != nullptr) {
        checkboxCell("Manually Enable Ovilux", &activeFile->properties.manualEnable,
                     "Set this option to prevent Ovilux from automatically enabling when this "
                     "aircraft is loaded.");
    } else {
        emptyCell();
    }
    checkboxCell("Disable Cockpit Zoom", &camera->disable3DCockpitZoom,
                 "Set this option to prevent zooming a 3D cockpit camera with the scroll wheel.");
    yokeRow(camera);
}
