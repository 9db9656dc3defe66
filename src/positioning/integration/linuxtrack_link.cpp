#include <cmath>

#include "positioning/pipeline/offsets.h"
#include "positioning/integration/plugin_links.h"
#include "positioning/transitions/smoother.h"
#include "shell/log.h"
#include "shell/settings.h"

namespace {
const char* const kNames[7] = {
    "linuxtrack/enable_head_control", "linuxtrack/pilots_head_x",
    "linuxtrack/pilots_head_y",       "linuxtrack/pilots_head_z",
    "linuxtrack/pilots_head_psi",     "linuxtrack/pilots_head_the",
    "linuxtrack/pilots_head_roll",
};
enum { kHeadControl, kX, kY, kZ, kPsi, kThe, kRoll };
XPLMDataRef refs[7] = {};
bool initialized = false;
bool exists = false;
Smoother smoothers[6];
bool smoothersReset = false;
}  // namespace

void resetLinuxTrackLink() {
    initialized = false;
    exists = false;
    smoothersReset = false;
}

void initLinuxTrack() {
    if (initialized) {
        return;
    }
    initialized = true;
    logMsg("Attempting to initialize LinuxTrack");
    exists = true;
    for (int i = 0; i < 7; ++i) {
        refs[i] = XPLMFindDataRef(kNames[i]);
        exists = exists && refs[i] != nullptr;
    }
    logMsg(exists ? "LinuxTrack Plugin was found and will be enabled"
                  : "LinuxTrack Plugin not found");
}

bool linuxTrackExists() {
    initLinuxTrack();
    return exists;
}

void enableLinuxTrack() {
    // LinuxTrack stops moving X-Plane's head; the pose comes to us instead.
    if (linuxTrackExists()) {
        XPLMSetDatai(refs[kHeadControl], 0);
    }
}

void disableLinuxTrack() {
    if (linuxTrackExists()) {
        XPLMSetDatai(refs[kHeadControl], 1);
    }
}

void addLinuxTrackOffsets(CameraPosition* pose) {
    if (!exists) {
        return;
    }
    if (!smoothersReset) {
        for (Smoother& s : smoothers) initSmoother(&s);
        smoothersReset = true;
    }
    float c = std::cos(pose->heading * static_cast<float>(M_PI) / 180.0f);
    int window = getSettings()->HEAD_TRACK_SMOOTHING_FACTOR;
    float v[6];
    for (int i = 0; i < 6; ++i) {
        v[i] = smoothValue(&smoothers[i], window, XPLMGetDataf(refs[kX + i]));
    }
    adjustHeadTrackRange(&v[0], &v[1], &v[2]);
    // Both horizontal offsets follow the cosine of the heading: no rotation.
    pose->x += c * v[0];
    pose->y += v[1];
    pose->z += c * v[2];
    pose->heading += v[3];
    pose->pitch += v[4];
    pose->roll += v[5];
}
