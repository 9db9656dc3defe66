#include "positioning/transitions/auto_advance.h"

#include "cameras/set/control_panel_shown.h"

namespace {
bool heldByControlPanel = false;
}  // namespace

void holdAutoAdvance(bool held) { heldByControlPanel = held; }

bool allowAutoAdvance() { return !isControlPanelVisable() || !heldByControlPanel; }
