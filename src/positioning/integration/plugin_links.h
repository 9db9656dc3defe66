// Links to the HeadShake, LinuxTrack and Scenic Flyer plug-ins, through their
// datarefs and commands only. Each does nothing while its plug-in is missing.
#pragma once

#include "cameras/set/camera_position.h"
#include "xplane/sdk.h"

struct Camera;

extern const char* const kHeadShakeSignature;
extern const char* const kScenicFlyerSignature;

// HeadShake: looked up on first use; override on while camera control is on.
void initHeadShake();
bool headShakeExists();
void enableHeadShake();
void disableHeadShake();
void addHeadShakeOffsets(CameraPosition* pose);

// LinuxTrack: looked up on first use; head control taken while camera control is on.
void initLinuxTrack();
bool linuxTrackExists();
void enableLinuxTrack();
void disableLinuxTrack();
void addLinuxTrackOffsets(CameraPosition* pose);

// Back to before the first look-up, for a plug-in started again.
void resetPluginLinks();
void resetHeadShakeLink();
void resetLinuxTrackLink();
void resetScenicFlyerLink();

// Scenic Flyer: looked up once, at the first plane load.
void initScenicFlyer();
// mode 1: camera control goes on or off; mode 0: follow the camera's wish.
void updateScenicFlyer(Camera* camera, int mode);
int ScenicCommandHandler(XPLMCommandRef commandRef, XPLMCommandPhase phase, void* which);
void sendScenicFlyerCommand(const char* name);
void processScenicFlyerCommandQue();
// Bit 0: panel shown; bit 1: glass style.
int getScenicFlyerState();
