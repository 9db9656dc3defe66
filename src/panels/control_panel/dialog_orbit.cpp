#include <imgui.h>

#include "cameras/generators/flyby_orbit.h"
#include "panels/control_panel/control_panel.h"
#include "panels/control_panel/dialog_memory.h"
#include "panels/control_panel/generator_dialog.h"
#include "panels/control_panel/panel_fields.h"

namespace {
const GeneratorDialogForm kOrbitForm = {"Create Orbit", "Name##OrbitName",
                                        "The orbit needs a name."};

struct OrbitDialog {
    OrbitSpec plan;
    const char* refusal = nullptr;
};
OrbitDialog orbit;

void drawOrbitFields() {
    OrbitSpec& plan = orbit.plan;
    dragHeading("Initial Camera Heading", &plan.initialHeading, 1.0f);
    dragInRange("Radius in Meters", &plan.radius, 1.0f, ValueKind::Offset, "%.2f");
    dragInRange("Min Height in Meters", &plan.minHeight, 1.0f, ValueKind::Offset, "%.2f");
    dragInRange("Max Height in Meters", &plan.maxHeight, 1.0f, ValueKind::Offset, "%.2f");
    dragClamped("Duration in Seconds", &plan.duration, 0.5f, 1.0f, 1000.0f, "%.2f");
    ImGui::Checkbox("Reverse Rotation", &plan.reverseRotation);
    ImGui::Checkbox("Continuous", &plan.continuous);
    ImGui::Checkbox("Use Level Camera", &plan.useLevelCamera);
}
}  // namespace

void ControlPanelWidget::processCreateOrbit() {
    drawGeneratorDialog(
        kOrbitForm, {orbit.plan.name, sizeof(orbit.plan.name), &orbit.refusal},
        dialogRequest == kDialogCreateOrbit, drawOrbitFields,
        [] { return orbitFitsTheCameraFile(orbit.plan); }, [] { createOrbit(orbit.plan); });
}

void resetOrbitDialog() { orbit = OrbitDialog(); }
