#include "panels/panels.h"

void showNewMiniControlPanel(int) {}

void showTargetInfoPanel(bool) {}

int myDrawCallback(XPLMDrawingPhase, int, void*) { return 1; }

void UpdaterWidget::create() {}
