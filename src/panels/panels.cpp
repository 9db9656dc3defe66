#include "panels/panels.h"

void showTargetInfoPanel(bool) {}

int myDrawCallback(XPLMDrawingPhase, int, void*) { return 1; }

void UpdaterWidget::create() {}
