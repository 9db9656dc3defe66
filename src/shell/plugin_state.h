// The process-wide state the entry points and the lifecycle keep for the other
// subsystems. Defined in plugin/lifecycle.cpp; subsystems that only read it
// include this header, not the top's.
#pragma once

struct CameraPosition;

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
