#include "positioning/pending_command_actions.h"

#include "panels/panels.h"

void toggleControlPanel() { showNewControlPanel(1); }

void toggleMiniControlPanel() { showNewMiniControlPanel(1); }

void toggleTrafficDisplay() {}
