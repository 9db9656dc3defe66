#include "panels/panels.h"

bool showNewControlPanel(int) { return false; }

void showNewMiniControlPanel(int) {}

void showTargetInfoPanel(bool) {}
