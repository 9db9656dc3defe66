#include "panels/control_panel/control_panel.h"

void ControlPanelWidget::populateBasicOptions() {}
bool ControlPanelWidget::cameraHasAdvancedOptions() const { return false; }
