#include "positioning/transitions/transition_state.h"

#include "cameras/set/camera_set.h"
#include "positioning/transitions/frames.h"
#include "positioning/transitions/transition.h"
#include "shell/host_info.h"

namespace {
Frame* transitionFrame = nullptr;
int64_t waitUntil = 0;
}  // namespace

Frame* getTransitionFrame() { return transitionFrame; }

void setTransitionFrame(Frame* head) {
    if (transitionFrame != nullptr && transitionFrame != head) {
        deleteRemaingFrames(transitionFrame);
    }
    transitionFrame = head;
}

void advanceTransitionFrame(Frame* next) { transitionFrame = next; }

bool isCurrentlyAnimating() { return transitionFrame != nullptr; }

void stopTransition() {
    if (transitionFrame != nullptr) {
        deleteRemaingFrames(transitionFrame);
        transitionFrame = nullptr;
    }
    waitUntil = 0;
}

int64_t getWaitUntil() { return waitUntil; }

void setWaitUntil(int64_t milliseconds) { waitUntil = milliseconds; }

float getRemainingDelay() {
    if (waitUntil == 0) {
        return 0.0f;
    }
    int64_t left = waitUntil - getElapsedMilliSeconds();
    return left > 0 ? static_cast<float>(left) / 1000.0f : 0.0f;
}

void transitionFromCurrentPosition() {
    if (transitionFrame == nullptr) {
        transitionFrame = createTransition(nullptr, getCurrentCamera());
    }
}
