// The plug-in's commands and the engine's start-up.
#pragma once

// Once per enable: finds the datarefs the engine uses, creates the plug-in's
// commands and resets the engine's shared state.
void initPositionEngine();
// With an airport camera file active, the pipeline picks the nearest airport
// camera every two seconds while this is on.
void setAutoSelectNearestAirportCamera(int on);
bool getAutoSelectNearestAirportCamera();
// The active camera file is an airport camera file.
bool isAirportCameraFile();
