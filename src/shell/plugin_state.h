// The process-wide state of the running plug-in that other subsystems ask for.
// Defined where it is kept: camera control's in
// positioning/pipeline/camera_control_switch.cpp, the main flight loop's and
// the community cache's in plugin/lifecycle.cpp. Subsystems that only read it
// include this header, not the keepers'.
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
// The main flight loop reads the library again; safe from any thread.
void requestCommunityFileCacheUpdate();
void getCurrentLocation(double* latitude, double* longitude);
