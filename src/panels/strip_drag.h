// Panels without X-Plane's frame move (or, docked, resize) themselves by a
// strip they draw: the drag starts when the left button goes down in the
// strip and follows X-Plane's global mouse position until it is released.
#pragma once

#include "xplane/sdk.h"

// Brings the window to the front when a drag starts. While the drag runs,
// gives the mouse's movement since the last frame in dx, dy and returns true.
bool followStripDrag(XPLMWindowID window, bool pressedInStrip, bool leftDown, bool* dragging,
                     int* lastMouseX, int* lastMouseY, int* dx, int* dy);

// Whether a window with these edges lies within X-Plane's screen, its top at
// least `margin` boxels inside the screen's top and bottom.
bool staysOnScreen(int left, int top, int right, int margin);
