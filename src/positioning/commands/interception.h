// Taking over X-Plane's own view, movement, zoom, hat-switch and quick-look
// commands while camera control is on, so that the keys a user bound in
// X-Plane move the plug-in's camera instead of X-Plane's view.
#pragma once

#include "xplane/sdk.h"

// Camera control begins: the handlers go in before X-Plane's own and X-Plane's
// field of view becomes the default.
void registerPositionCommands();
// Camera control ends: movement stops, the field of view goes back, the
// handlers come out and X-Plane gets its camera back.
void unRegisterPositionCommands();
// Runs before X-Plane's own processing; 0 consumes the command, 1 lets X-Plane
// have it. The reference constant is the command's row in X_PlaneCommands.
int X_PlaneCommandHandler(XPLMCommandRef commandRef, XPLMCommandPhase phase, void* index);
