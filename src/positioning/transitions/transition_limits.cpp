#include "positioning/transitions/transition_limits.h"

#include <cmath>

#include "cameras/set/camera.h"
#include "positioning/transitions/frame_rate.h"

float boundedSeconds(float seconds, float limit) {
    if (!std::isfinite(seconds) || seconds < 0.0f) {
        return 0.0f;
    }
    return seconds > limit ? limit : seconds;
}

int transitionFrameCount(Camera* to) {
    float seconds = boundedSeconds(to->transitionSeconds, kMaxTransitionSeconds);
    if (seconds > 0.0f) {
        float frames = smoothFrameRate() * seconds;
        if (!std::isfinite(frames) || frames < 0.0f) {
            return 0;
        }
        return frames > kMaxLegFrames ? kMaxLegFrames : static_cast<int>(frames);
    }
    int frames = to->linearTransitionFrames;
    if (frames < 0) {
        return 0;
    }
    return frames > kMaxLegFrames ? kMaxLegFrames : frames;
}

float transitionDelayOf(const Camera* to) {
    return boundedSeconds(to->transitionDelay, kMaxTransitionDelay);
}
