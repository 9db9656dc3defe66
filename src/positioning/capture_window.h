// The full-screen window that captures the mouse for mouse look and moves.
#pragma once

// false creates the window when it does not exist; true destroys it.
void manageMasterCaptureWindow(bool destroy);
