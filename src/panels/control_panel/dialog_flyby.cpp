#include "cameras/generators/flyby_orbit.h"
#include "panels/control_panel/control_panel.h"
#include "panels/control_panel/dialog_memory.h"
#include "panels/control_panel/generator_dialog.h"
#include "panels/control_panel/panel_fields.h"

namespace {
const GeneratorDialogForm kFlyByForm = {"Create FlyBy", "Name##FlyByName",
                                        "The fly-by needs a name."};

struct FlyByDialog {
    FlyBySpec plan;
    const char* refusal = nullptr;
};
FlyByDialog flyBy;

void drawFlyByFields() {
    FlyBySpec& plan = flyBy.plan;
    dragHeading("Camera Attack Heading", &plan.attackHeading, 1.0f);
    dragInRange("Initial Height in Meters", &plan.initialHeight, 1.0f, ValueKind::Offset, "%.2f");
    dragInRange("Distance in Meters", &plan.distance, 1.0f, ValueKind::Offset, "%.2f");
    dragInRange("CPA X in Meters", &plan.cpaX, 1.0f, ValueKind::Offset, "%.2f");
    dragInRange("CPA Z in Meters", &plan.cpaZ, 1.0f, ValueKind::Offset, "%.2f");
    dragInRange("CPA Y in Meters", &plan.cpaY, 1.0f, ValueKind::Offset, "%.2f");
    dragClamped("Duration in Seconds", &plan.duration, 0.5f, 1.0f, 1000.0f, "%.2f");
}
}  // namespace

void ControlPanelWidget::processCreateFlyBy() {
    drawGeneratorDialog(
        kFlyByForm, {flyBy.plan.name, sizeof(flyBy.plan.name), &flyBy.refusal},
        dialogRequest == kDialogCreateFlyBy, drawFlyByFields,
        [] { return flyByFitsTheCameraFile(flyBy.plan); }, [] { createFlyBy(flyBy.plan); });
}

void resetFlyByDialog() { flyBy = FlyByDialog(); }
