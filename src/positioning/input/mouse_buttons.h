// The buttons that drive mouse look: the right button as the capture window
// reports it, and a middle button simulated by a command.
#pragma once

#include "xplane/sdk.h"

// Argument of rightMouseStatus.
enum RightMouseOpertion { kRightMousePressed = 0, kRightMouseReleased = 1, kRightMouseQuery = 2 };

// 0 sets the latch, 1 clears it; any value returns it.
bool rightMouseStatus(int operation);
bool getRightMouseButton();
int getMiddleMouseButton();
// Begin holds the simulated middle button, end releases it; returns 1.
int simulatedMiddleMouseButtonCommandHandler(XPLMCommandRef commandRef, XPLMCommandPhase phase,
                                             void* refcon);
// Flips the simulated middle button, so that a mouse look stays on.
void toggleMouseLook();
