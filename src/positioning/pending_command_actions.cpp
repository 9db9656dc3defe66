#include "positioning/pending_command_actions.h"

void toggleTrafficDisplay() {}

void showNewSettingsPanel(bool) {}

void showNewSaveTargetPanel() {}

void createViewAxisCalibratePanel() {}
