// Camera control on and off inside an enabled plug-in. While it is on the
// engine drives X-Plane's view; what it changed of X-Plane's state it gives
// back when it goes off. The plug-in's top and the panels hear both through
// positioning/pipeline/engine_listeners.h. The state it keeps for the other
// subsystems (isEnabled and the rest) is declared in shell/plugin_state.h.
#pragma once

#include "shell/plugin_state.h"

void enableOvilux();
// keepHead 0 puts the pilot's head back where it was when control began.
void disableOvilux(int keepHead);
// Looks up X-Plane's VR dataref; once per plug-in enable.
void findVRDataRef();
// X-Plane shows its view in VR, where camera control does not come on.
bool isVREnabled();
