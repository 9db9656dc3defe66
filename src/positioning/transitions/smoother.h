// A moving average over the last values of a noisy input: frame rate, head
// tracker, mouse, joystick axes, movement steps. The caller names the window on
// every call, so a window changed in the settings takes effect at once.
#pragma once

const int kSmootherRing = 500;
// A call holds window + 1 values after its add, so the ring limits the window.
const int kMaxSmoothingWindow = kSmootherRing - 1;

class Smoother {
public:
    Smoother();

    float values[kSmootherRing];
    float sum;
    int writeIndex;
    int readIndex;
    int count;
};

void initSmoother(Smoother* s);
// The average starts at v instead of ramping up from 0.
void primeSmoother(Smoother* s, int n, float v);
void addValue(Smoother* s, float v);
void removeValue(Smoother* s);
// Adds v and returns the average of the last `window` values; a window below 1
// passes v through untouched.
float smoothValue(Smoother* s, int window, float v);
