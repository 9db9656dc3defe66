#include "panels/panels.h"

bool showNewControlPanel(int) { return false; }

void showNewMiniControlPanel(int) {}

void showTargetInfoPanel(bool) {}

int myDrawCallback(XPLMDrawingPhase, int, void*) { return 1; }

void UpdaterWidget::create() {}
