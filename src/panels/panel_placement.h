// Whether a position saved in the settings can bring a panel back where it
// was. Where a new panel is made (newPanelRect) is the window kit's,
// libwinkit/window_placement.h.
#pragma once

#include "libwinkit/window_placement.h"
#include "shell/settings.h"

// Whether a saved panel position can be used: at least minWidth by minHeight
// in the coordinates it is stored in (global, y up, for a floating or docked
// window; the operating system's, y down, for a popped-out one), with its
// top-left corner on a monitor X-Plane reports, edges included. A position
// of no size would make a window nobody can see or reach.
bool isWindowPositionValid(const WindowPosition* position, int minWidth, int minHeight);

// The position cut to the size of the monitor its top-left corner lies on and
// moved onto it, in the coordinates it is stored in; as it is when the corner
// lies on no monitor.
WindowPosition fittedToMonitor(const WindowPosition& position);
