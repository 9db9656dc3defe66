#include "positioning/pending_command_actions.h"

#include "panels/panels.h"

namespace {
int cuurentMouseMoveType = 0;
int simulatedMiddleButtonDown = 0;
}  // namespace

void toggleControlPanel() { showNewControlPanel(1); }

void toggleMiniControlPanel() { showNewMiniControlPanel(1); }

void toggleTrafficDisplay() {}

void showNewSettingsPanel(bool) {}

void showNewSaveTargetPanel() {}

void mouseMove(int type) { cuurentMouseMoveType = type; }

int getMouseMoveType() { return cuurentMouseMoveType; }

int simulatedMiddleMouseButtonCommandHandler(XPLMCommandRef, XPLMCommandPhase phase, void*) {
    if (phase == xplm_CommandBegin) {
        simulatedMiddleButtonDown = 1;
    } else if (phase == xplm_CommandEnd) {
        simulatedMiddleButtonDown = 0;
    }
    return 1;
}

void toggleMouseLook() { simulatedMiddleButtonDown = !simulatedMiddleButtonDown; }

int getMiddleMouseButton() { return simulatedMiddleButtonDown; }
