// Links to the HeadShake, LinuxTrack and Scenic Flyer plug-ins.
#pragma once

#include "cameras/camera_position.h"

struct Camera;

extern const char* const kHeadShakeSignature;
extern const char* const kScenicFlyerSignature;

void initScenicFlyer();
// mode 1: camera control goes on or off; mode 0: follow the camera's wish.
void updateScenicFlyer(Camera* camera, int mode);
void enableHeadShake();
void disableHeadShake();
bool headShakeExists();
void enableLinuxTrack();
void disableLinuxTrack();
bool linuxTrackExists();
// The two plug-ins' offsets on a pose; nothing while their links are not built.
void addHeadShakeOffsets(CameraPosition* pose);
void addLinuxTrackOffsets(CameraPosition* pose);
