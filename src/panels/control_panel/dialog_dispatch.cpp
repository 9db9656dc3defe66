#include "panels/control_panel/control_panel.h"

void ControlPanelWidget::processModelDialog() { dialogRequest = kDialogNone; }
