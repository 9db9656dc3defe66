// What the plug-in's disable and stop do to the settings, save-target,
// calibration and mini control panels, so that nothing is left behind.
#pragma once

// Calibration panels are cancelled and deleted; the settings and save-target
// panels hide, kept by their holders with what was typed; the mini control
// panel is deleted.
void hidePanelsAtDisable();
// The settings and save-target panels are deleted; the mini control panel's
// remembered form goes back to docked.
void deletePanelsAtStop();
