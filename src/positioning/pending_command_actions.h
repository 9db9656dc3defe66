// Actions of the command table whose subsystems are not built yet: the
// panels. Each stands in under the name its subsystem will give it,
// doing only what is plain without that subsystem; each goes from here when
// the real one arrives.
#pragma once

#include "xplane/sdk.h"

// Panels.
void toggleControlPanel();
void toggleMiniControlPanel();
void toggleTrafficDisplay();
