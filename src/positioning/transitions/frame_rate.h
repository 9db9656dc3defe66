// X-Plane's frame rate, raw and as a 100-frame moving average.
#pragma once

// 1 / "sim/operation/misc/frame_rate_period", or 30 when the period is not above 0.
float getFrameRate();
// Adds this frame's rate to the average and returns the average.
float smoothFrameRate();
// The average starts at 30 frames per second.
void primeFrameRateSmoother();
