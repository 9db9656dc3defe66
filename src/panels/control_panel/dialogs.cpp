#include "panels/control_panel/control_panel.h"

void ControlPanelWidget::processShareCommunityFile(char*) {}
void ControlPanelWidget::processBrowseCommunityFiles(char*) {}
void ControlPanelWidget::processCreateOrbit() {}
void ControlPanelWidget::processCreateFlyBy() {}
void ControlPanelWidget::processCreateAirportCameras() {}
void ControlPanelWidget::processConfirmNewAircraftSet() {}
void ControlPanelWidget::processDisplayViewIDs() {}
void ControlPanelWidget::processImportCameraFile() {}
bool ControlPanelWidget::processFilePicker(bool) { return false; }
bool ControlPanelWidget::checkImportFile(const char*) { return false; }
