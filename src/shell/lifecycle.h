// Camera control on and off inside an enabled plug-in, and the process-wide
// state the entry points keep for the other subsystems.
#pragma once

#include <string>

#include "cameras/set/camera_position.h"

void enableOvilux();
// keepHead 0 puts the pilot's head back where it was when control began.
void disableOvilux(int keepHead);
int isEnabled();
int getJustEnabled();
void clearJustEnabled();
float getTimeSinceLastLoop();
CameraPosition* getLastPosition();
// Remembers the pilot's-head pose that camera control will hand back.
void saveOrginalPosition();
int getOrginalHideYokeState();
int* getSystemStatus();
// The main flight loop reads the library again; safe from any thread.
void requestCommunityFileCacheUpdate();
void getCurrentLocation(double* latitude, double* longitude);
// Shows the "System Status" box.
void checkSystem();

// The main flight loop, registered only while camera control is on.
float MyFlightLoopCallback(float elapsedSinceLastCall, float elapsedSinceLastFlightLoop,
                           int counter, void* refcon);
