// Panning: the plug-in's Pan commands and X-Plane's intercepted pan, rotate
// and hat-switch commands turn the current camera, or move a circle-view
// camera around its origin.
#pragma once

#include "positioning/commands/commands_table.h"
#include "xplane/sdk.h"

// panIndex is a Pan command of the command table (kCmdPanLeft to
// kCmdPanLeftAndDown). Returns 1, or 0 for a continue phase swallowed in walk mode.
int viewPanHandler(XPLMCommandRef commandRef, XPLMCommandPhase phase, int panIndex);
