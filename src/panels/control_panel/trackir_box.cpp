#include "panels/control_panel/control_panel.h"

void ControlPanelWidget::populateTrackIR() {}
