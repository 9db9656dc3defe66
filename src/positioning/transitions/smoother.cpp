#include "positioning/transitions/smoother.h"

namespace {
// Settings files are read without bounds; a window the ring cannot hold would
// let the count run past the ring and divide by values long overwritten.
int boundedWindow(int window) { return window > kMaxSmoothingWindow ? kMaxSmoothingWindow : window; }
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

void addValue(Smoother* s, float v) {
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
}

float smoothValue(Smoother* s, int window, float v) {
    if (window < 1) {
        return v;
    }
    window = boundedWindow(window);
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
