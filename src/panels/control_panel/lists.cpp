#include "panels/control_panel/control_panel.h"

void ControlPanelWidget::populateCameraListBoxes() {}
void ControlPanelWidget::cameraCopyPasteMenu() {}
void ControlPanelWidget::categoryContextMenu() {}
void ControlPanelWidget::cameraContextMenu() {}
