// The plug-in's commands and the engine's start-up.
#pragma once

// Finds the datarefs the engine uses and resets its shared state.
void initPositionEngine();
// With an airport camera file active, the pipeline picks the nearest airport
// camera every two seconds while this is on.
void setAutoSelectNearestAirportCamera(int on);
bool getAutoSelectNearestAirportCamera();
// The active camera file is an airport camera file.
bool isAirportCameraFile();
