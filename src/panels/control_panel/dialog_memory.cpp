#include "panels/control_panel/dialog_memory.h"

#include "panels/control_panel/copy_buffers.h"

void resetControlPanelMemory() {
    resetFlyByDialog();
    resetOrbitDialog();
    resetAirportCamerasDialog();
    resetPasteConfirmation();
    forgetCopyBuffers();
}
