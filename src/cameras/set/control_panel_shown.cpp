#include "cameras/set/control_panel_shown.h"

namespace {
bool (*panelsAnswer)() = nullptr;
}  // namespace

void answerControlPanelVisable(bool (*visible)()) { panelsAnswer = visible; }

bool isControlPanelVisable() { return panelsAnswer != nullptr && panelsAnswer(); }
