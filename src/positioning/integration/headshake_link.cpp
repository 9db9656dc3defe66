#include "positioning/integration/plugin_links.h"
#include "shell/log.h"

const char* const kHeadShakeSignature = "com.simcoders.headshake";

namespace {
const char* const kNames[7] = {
    "simcoders/headshake/override",     "simcoders/headshake/offset_x",
    "simcoders/headshake/offset_y",     "simcoders/headshake/offset_z",
    "simcoders/headshake/offset_yaw",   "simcoders/headshake/offset_pitch",
    "simcoders/headshake/offset_roll",
};
enum { kOverride, kX, kY, kZ, kYaw, kPitch, kRoll };
XPLMDataRef refs[7] = {};
bool initialized = false;
bool exists = false;
}  // namespace

void resetHeadShakeLink() {
    initialized = false;
    exists = false;
}

void initHeadShake() {
    if (initialized) {
        return;
    }
    initialized = true;
    logMsg("Attempting to initialize HeadShake");
    exists = true;
    for (int i = 0; i < 7; ++i) {
        refs[i] = XPLMFindDataRef(kNames[i]);
        exists = exists && refs[i] != nullptr;
    }
    logMsg(exists ? "HeadShake was found and will be enabled" : "HeadShake not found");
}

bool headShakeExists() {
    initHeadShake();
    return exists;
}

void enableHeadShake() {
    // Override on: HeadShake leaves the view to us and only publishes offsets.
    if (headShakeExists()) {
        XPLMSetDatai(refs[kOverride], 1);
    }
}

void disableHeadShake() {
    if (headShakeExists()) {
        XPLMSetDatai(refs[kOverride], 0);
    }
}

void addHeadShakeOffsets(CameraPosition* pose) {
    if (!exists) {
        return;
    }
    pose->x += XPLMGetDataf(refs[kX]);
    pose->y += XPLMGetDataf(refs[kY]);
    pose->z += XPLMGetDataf(refs[kZ]);
    pose->heading += XPLMGetDataf(refs[kYaw]);
    pose->pitch += XPLMGetDataf(refs[kPitch]);
    pose->roll += XPLMGetDataf(refs[kRoll]);
}
