#include "panels/control_panel/control_panel.h"

// Sharing the camera file and browsing the community's files come with the
// community files; the paste confirmation is drawn here already.
void ControlPanelWidget::processShareCommunityFile(char*) { processConfirmPasteCameraSet(); }

void ControlPanelWidget::processBrowseCommunityFiles(char*) {}
