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
    OrbitSpec spec;
    const char* refusal = nullptr;
};
OrbitDialog orbit;

void drawOrbitFields() {
    OrbitSpec& spec = orbit.spec;
    dragHeading("Initial Camera Heading", &spec.initialHeading, 1.0f);
    dragInRange("Radius in Meters", &spec.radius, 1.0f, ValueKind::Offset, "%.2f");
    dragInRange("Min Height in Meters", &spec.minHeight, 1.0f, ValueKind::Offset, "%.2f");
    dragInRange("Max Height in Meters", &spec.maxHeight, 1.0f, ValueKind::Offset, "%.2f");
    dragClamped("Duration in Seconds", &spec.duration, 0.5f, 1.0f, 1000.0f, "%.2f");
    ImGui::Checkbox("Reverse Rotation", &spec.reverseRotation);
    ImGui::Checkbox("Continuous", &spec.continuous);
    ImGui::Checkbox("Use Level Camera", &spec.useLevelCamera);
}
}  // namespace

void ControlPanelWidget::processCreateOrbit() {
    drawGeneratorDialog(
        kOrbitForm, {orbit.spec.name, sizeof(orbit.spec.name), &orbit.refusal},
        dialogRequest == kDialogCreateOrbit, drawOrbitFields,
        [] { return orbitFitsTheCameraFile(orbit.spec); }, [] { createOrbit(orbit.spec); });
}

void resetOrbitDialog() { orbit = OrbitDialog(); }
