#include "panels/panels.h"

void showNewMiniControlPanel(int) {}

void UpdaterWidget::create() {}
