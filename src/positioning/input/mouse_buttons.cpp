#include "positioning/input/mouse_buttons.h"

namespace {
bool rightButtonDown = false;
int simulatedMiddleButtonDown = 0;
}  // namespace

bool rightMouseStatus(int operation) {
    if (operation == kRightMousePressed) rightButtonDown = true;
    else if (operation == kRightMouseReleased) rightButtonDown = false;
    return rightButtonDown;
}

bool getRightMouseButton() { return rightMouseStatus(kRightMouseQuery); }

int getMiddleMouseButton() { return simulatedMiddleButtonDown; }

int simulatedMiddleMouseButtonCommandHandler(XPLMCommandRef, XPLMCommandPhase phase, void*) {
    if (phase == xplm_CommandBegin) simulatedMiddleButtonDown = 1;
    else if (phase == xplm_CommandEnd) simulatedMiddleButtonDown = 0;
    return 1;
}

void toggleMouseLook() { simulatedMiddleButtonDown = !simulatedMiddleButtonDown; }
