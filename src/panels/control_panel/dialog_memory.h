// What the control panel keeps between openings of its dialogs, beyond the
// life of any one panel, for as long as the plug-in is loaded: the values
// typed and ticked in the fly-by, orbit, airport-cameras and paste dialogs,
// and the copy buffers. Nothing of it outlives the plug-in's stop: after the
// next start the dialogs open with their defaults and the buffers are empty.
#pragma once

// The plug-in stops.
void resetControlPanelMemory();

// Each dialog's part, kept in the dialog's own file.
void resetFlyByDialog();
void resetOrbitDialog();
void resetAirportCamerasDialog();
void resetPasteConfirmation();
