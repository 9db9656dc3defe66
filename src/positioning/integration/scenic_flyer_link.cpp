#include <cstdint>
#include <string>

#include "cameras/set/camera.h"
#include "cameras/set/camera_set.h"
#include "positioning/integration/plugin_links.h"
#include "positioning/integration/system_check.h"
#include "shell/host_info.h"
#include "shell/plugin_state.h"
#include "shell/log.h"

const char* const kScenicFlyerSignature = "Scenic-Flyer";

namespace {
const char* const kForceOn = "Scenic-Flyer/scenic_force_on";
const char* const kSelect = "Scenic-Flyer/scenic_select";
const int kShown = 1;
const int kGlass = 2;
const int kQueueRoom = 2;

int scenicFlyerState = 0;
bool scenicFlyerInitialized = false;
bool scenicFlyerPresent = false;
std::string scenicFlyerCommandQue[kQueueRoom];
int scenicFlyerCommandQueCount = 0;
bool scenicFlyerLastCommandComplete = true;
// The commands our handler watches; only their end can complete a command.
XPLMCommandRef watched[2] = {};

void registerHandler(const char* name, int which) {
    if (XPLMCommandRef command = XPLMFindCommand(name)) {
        XPLMRegisterCommandHandler(command, ScenicCommandHandler, 1,
                                   reinterpret_cast<void*>(static_cast<intptr_t>(which)));
        watched[which] = command;
    }
}

// The user changed Scenic Flyer's panel: the current camera remembers it.
void adoptStateIntoCamera(Camera* camera) {
    switch (scenicFlyerState) {
        case 0: camera->scenicFlyerGA = false; break;
        case kShown:
            camera->scenicFlyerGA = true;
            camera->scenicFlyerGlass = false;
            break;
        case kGlass: camera->scenicFlyerGlass = false; break;
        default:
            camera->scenicFlyerGlass = true;
            camera->scenicFlyerGA = false;
            break;
    }
}

// Queued last in, first out: force_on goes in first so that select goes out first.
void queueTowardsWish(const Camera* camera) {
    bool shown = (scenicFlyerState & kShown) != 0;
    bool glass = (scenicFlyerState & kGlass) != 0;
    if (camera->scenicFlyerGA && camera->scenicFlyerGlass) {
        // Either style will do: keep the one selected, or the two would
        // swap places on every frame.
        if (!shown) {
            sendScenicFlyerCommand(kForceOn);
        }
        return;
    }
    if (!camera->scenicFlyerGA && !camera->scenicFlyerGlass) {
        if (shown) {
            sendScenicFlyerCommand(kForceOn);
        }
        return;
    }
    if (!shown) {
        sendScenicFlyerCommand(kForceOn);
    }
    if (glass != camera->scenicFlyerGlass) {
        sendScenicFlyerCommand(kSelect);
    }
}
}  // namespace

void resetScenicFlyerLink() {
    for (int which = 0; which < 2; ++which) {
        if (watched[which] != nullptr) {
            XPLMUnregisterCommandHandler(watched[which], ScenicCommandHandler, 1,
                                         reinterpret_cast<void*>(static_cast<intptr_t>(which)));
        }
        watched[which] = nullptr;
    }
    scenicFlyerState = 0;
    scenicFlyerInitialized = false;
    scenicFlyerPresent = false;
    scenicFlyerCommandQueCount = 0;
    scenicFlyerLastCommandComplete = true;
}

void initScenicFlyer() {
    if (scenicFlyerInitialized) {
        return;
    }
    scenicFlyerInitialized = true;
    PluginInfo info;
    scenicFlyerPresent = pluginInExists(kScenicFlyerSignature, &info);
    if (scenicFlyerPresent) {
        registerHandler(kForceOn, 0);
        registerHandler(kSelect, 1);
        getSystemStatus()[kStatusScenicFlyer] = kScenicFlyerFound;
        sLogMsg("Scenic Flyer Found and enabled - %s", info.description);
    } else {
        getSystemStatus()[kStatusScenicFlyer] = kScenicFlyerNotFound;
        logMsg("Scenic Flyer not found");
    }
}

int ScenicCommandHandler(XPLMCommandRef, XPLMCommandPhase phase, void* which) {
    if (phase != xplm_CommandEnd) {
        return 1;
    }
    scenicFlyerState ^= reinterpret_cast<intptr_t>(which) == 0 ? kShown : kGlass;
    // Still waiting for our own command: this end is its, not the user's.
    if (isEnabled() && scenicFlyerLastCommandComplete) {
        if (Camera* camera = getCurrentCamera()) {
            adoptStateIntoCamera(camera);
        }
    }
    scenicFlyerLastCommandComplete = true;
    return 1;
}

void sendScenicFlyerCommand(const char* name) {
    if (scenicFlyerCommandQueCount < kQueueRoom) {
        scenicFlyerCommandQue[scenicFlyerCommandQueCount++] = name;
    }
}

void processScenicFlyerCommandQue() {
    while (scenicFlyerLastCommandComplete && scenicFlyerCommandQueCount > 0) {
        std::string name = scenicFlyerCommandQue[--scenicFlyerCommandQueCount];
        XPLMCommandRef command = XPLMFindCommand(name.c_str());
        if (command == nullptr) {
            // Nobody would ever end it, and waiting for that would stall the queue.
            continue;
        }
        scenicFlyerLastCommandComplete = command != watched[0] && command != watched[1];
        XPLMCommandOnce(command);
        return;
    }
}

void updateScenicFlyer(Camera* camera, int mode) {
    if (scenicFlyerInitialized && !scenicFlyerPresent) {
        return;
    }
    if (scenicFlyerCommandQueCount > 0) {
        processScenicFlyerCommandQue();
        return;
    }
    if (mode == 1) {
        // Sent at once: once camera control is off no frame comes to send it.
        if ((scenicFlyerState & kShown) != 0) {
            sendScenicFlyerCommand(kForceOn);
            processScenicFlyerCommandQue();
        }
    } else if (camera != nullptr) {
        queueTowardsWish(camera);
    }
}

int getScenicFlyerState() { return scenicFlyerState; }
