#include "positioning/plugin_links.h"

#include "shell/host_info.h"
#include "shell/lifecycle.h"

const char* const kHeadShakeSignature = "com.simcoders.headshake";
const char* const kScenicFlyerSignature = "Scenic-Flyer";

namespace {
bool scenicFlyerLookedUp = false;
}  // namespace

void initScenicFlyer() {
    if (scenicFlyerLookedUp) {
        return;
    }
    scenicFlyerLookedUp = true;
    getSystemStatus()[2] = pluginInExists(kScenicFlyerSignature, nullptr) ? 11 : 12;
}

void updateScenicFlyer(Camera*, int) {}

void enableHeadShake() {}

void disableHeadShake() {}

bool headShakeExists() { return false; }

void enableLinuxTrack() {}

void disableLinuxTrack() {}

bool linuxTrackExists() { return false; }

void addHeadShakeOffsets(CameraPosition*) {}

void addLinuxTrackOffsets(CameraPosition*) {}
