#include "positioning/transitions/smoother.h"

#include <cmath>

namespace {
// A window the ring cannot hold would let the count run past the ring and
// divide by values long overwritten; the settings are not the only caller.
int boundedWindow(int window) { return window > kMaxSmoothingWindow ? kMaxSmoothingWindow : window; }

// Huge finite samples can still overflow the running sum; once they have left
// the ring the sum of what it holds is finite again.
void resumFromRing(Smoother* s) {
    float sum = 0;
    for (int i = 0, index = s->readIndex; i < s->count; ++i) {
        sum += s->values[index];
        if (++index >= kSmootherRing) {
            index = 0;
        }
    }
    s->sum = sum;
}
}  // namespace

Smoother::Smoother() : sum(0), writeIndex(0), readIndex(0), count(0) {}

void initSmoother(Smoother* s) {
    for (float& value : s->values) {
        value = 0;
    }
    s->sum = 0;
    s->writeIndex = 0;
    s->readIndex = 0;
    s->count = 0;
}

void primeSmoother(Smoother* s, int n, float v) {
    initSmoother(s);
    n = boundedWindow(n);
    for (int i = 0; i < n; ++i) {
        addValue(s, v);
    }
}

// A non-finite sample would stay in the running sum for good: it is skipped.
void addValue(Smoother* s, float v) {
    if (!std::isfinite(v)) {
        return;
    }
    s->sum += v;
    s->values[s->writeIndex] = v;
    if (++s->writeIndex >= kSmootherRing) {
        s->writeIndex = 0;
    }
    ++s->count;
}

void removeValue(Smoother* s) {
    s->sum -= s->values[s->readIndex];
    if (++s->readIndex >= kSmootherRing) {
        s->readIndex = 0;
    }
    --s->count;
    if (!std::isfinite(s->sum)) {
        resumFromRing(s);
    }
}

float smoothValue(Smoother* s, int window, float v) {
    if (window < 1) {
        return v;
    }
    window = boundedWindow(window);
    if (!std::isfinite(v)) {
        // The average of the values held, as if this sample never came.
        while (s->count > window) {
            removeValue(s);
        }
        return s->sum / window;
    }
    addValue(s, v);
    int target = window + 1;
    if (s->count == target) {
        removeValue(s);
        return s->sum / s->count;
    }
    if (s->count > target) {
        // The window shrank since the last call.
        while (s->count > window) {
            removeValue(s);
        }
    }
    return s->sum / window;
}
