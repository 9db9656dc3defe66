#include "cameras/pending_engine_hooks.h"

#include "panels/panels.h"

namespace {
const int kQueryControlPanelVisible = 5;
}  // namespace

bool isControlPanelVisable() { return showNewControlPanel(kQueryControlPanelVisible); }
