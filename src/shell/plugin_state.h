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
// The status codes the system-status box reads, indexed by the slots below;
// 0 in every slot until its link has looked.
int* getSystemStatus();
enum SystemStatusSlot { kStatusTrackIR = 0, kStatusHeadShake = 1, kStatusScenicFlyer = 2 };
enum SystemStatusCode {
    kHeadShakeFound = 9,
    kHeadShakeNotFound = 10,
    kScenicFlyerFound = 11,
    kScenicFlyerNotFound = 12,
};
// The main flight loop reads the library again; safe from any thread.
void requestCommunityFileCacheUpdate();
void getCurrentLocation(double* latitude, double* longitude);
