#include "panels/window_manager.h"

namespace {
bool showTargetInformation = true;
}

void initUI() {}

void cleanupUI() {}

void updateEnabledMenuItems() {}

void setTargetInformation(bool show) { showTargetInformation = show; }

bool getTargetInformation() { return showTargetInformation; }
