// What camera control found of the plug-ins it works with, and the "System
// Status" box that reports it.
#pragma once

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
// Every element unknown again: the plug-in is enabled afresh.
void resetSystemStatus();
// Shows the "System Status" box.
void checkSystem();
