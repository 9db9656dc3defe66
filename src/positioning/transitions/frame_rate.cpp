#include "positioning/transitions/frame_rate.h"

#include <cmath>

#include "scene/engine_datarefs.h"
#include "positioning/transitions/smoother.h"
#include "xplane/sdk.h"

namespace {
const int kFrameRateWindow = 100;
const float kFallbackFrameRate = 30.0f;
Smoother frameRateSmoother;
}  // namespace

float getFrameRate() {
    XPLMDataRef period = engineDataRefs().frameRatePeriod;
    float seconds = period != nullptr ? XPLMGetDataf(period) : 0.0f;
    if (!(seconds > 0.0f)) {
        return kFallbackFrameRate;
    }
    float rate = 1.0f / seconds;
    return std::isfinite(rate) ? rate : kFallbackFrameRate;
}

float smoothFrameRate() { return smoothValue(&frameRateSmoother, kFrameRateWindow, getFrameRate()); }

void primeFrameRateSmoother() {
    primeSmoother(&frameRateSmoother, kFrameRateWindow, kFallbackFrameRate);
}
