// What the plug-in's disable and stop do to the panels it keeps, so that
// nothing is left behind.
#pragma once

// Calibration panels are cancelled and deleted, and the target-information
// and mini control panels; the settings and save-target panels hide, kept by
// their holders with what was typed.
void hidePanelsAtDisable();
// The settings and save-target panels are deleted; the control panel's
// dialogs and copy buffers forget what they kept; the mini control panel's
// remembered form goes back to docked.
void deletePanelsAtStop();
