#include "cameras/generators/flyby_orbit.h"
#include "panels/control_panel/control_panel.h"
#include "panels/control_panel/dialog_memory.h"
#include "panels/control_panel/generator_dialog.h"
#include "panels/control_panel/panel_fields.h"

namespace {
const GeneratorDialogForm kFlyByForm = {"Create FlyBy", "Name##FlyByName",
                                        "The fly-by needs a name."};

struct FlyByDialog {
    FlyBySpec spec;
    const char* refusal = nullptr;
};
FlyByDialog flyBy;

void drawFlyByFields() {
    FlyBySpec& spec = flyBy.spec;
    dragHeading("Camera Attack Heading", &spec.attackHeading, 1.0f);
    dragInRange("Initial Height in Meters", &spec.initialHeight, 1.0f, ValueKind::Offset, "%.2f");
    dragInRange("Distance in Meters", &spec.distance, 1.0f, ValueKind::Offset, "%.2f");
    dragInRange("CPA X in Meters", &spec.cpaX, 1.0f, ValueKind::Offset, "%.2f");
    dragInRange("CPA Z in Meters", &spec.cpaZ, 1.0f, ValueKind::Offset, "%.2f");
    dragInRange("CPA Y in Meters", &spec.cpaY, 1.0f, ValueKind::Offset, "%.2f");
    dragClamped("Duration in Seconds", &spec.duration, 0.5f, 1.0f, 1000.0f, "%.2f");
}
}  // namespace

void ControlPanelWidget::processCreateFlyBy() {
    drawGeneratorDialog(
        kFlyByForm, {flyBy.spec.name, sizeof(flyBy.spec.name), &flyBy.refusal},
        dialogRequest == kDialogCreateFlyBy, drawFlyByFields,
        [] { return flyByFitsTheCameraFile(flyBy.spec); }, [] { createFlyBy(flyBy.spec); });
}

void resetFlyByDialog() { flyBy = FlyByDialog(); }
