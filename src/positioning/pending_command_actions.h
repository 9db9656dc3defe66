// Actions of the command table whose subsystems are not built yet: the panels
// and the mouse. Each stands in under the name its subsystem will give it,
// doing only what is plain without that subsystem; each goes from here when
// the real one arrives.
#pragma once

#include "xplane/sdk.h"

// Panels.
void toggleControlPanel();
void toggleMiniControlPanel();
void toggleTrafficDisplay();
// toggle true hides a visible settings panel instead of showing it.
void showNewSettingsPanel(bool toggle);
void showNewSaveTargetPanel();

// Mouse moves: type 1 left-right / forward-back, 2 left-right / up-down,
// 3 heading / pitch, 4 zoom; 0 ends the move.
void mouseMove(int type);
int getMouseMoveType();
// The simulated middle mouse button: down on begin, up on end.
int simulatedMiddleMouseButtonCommandHandler(XPLMCommandRef commandRef, XPLMCommandPhase phase,
                                             void* refcon);
// Flips the simulated middle button, so that a mouse look stays on.
void toggleMouseLook();
int getMiddleMouseButton();
