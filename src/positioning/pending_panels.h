// What the engine needs of the panels. Stand-ins until the panels are built.
#pragma once

// The crosshair of a target-following camera.
void enableDrawing();
void diableDrawing();
// Automatic advance along camera chains is held back while the control panel
// is open with its "Allow Camera Auto Advance" box cleared; no panel exists yet.
bool allowAutoAdvance();
