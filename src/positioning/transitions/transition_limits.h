// How long a transition may be. Frame counts, seconds and delays come from
// camera files that anyone can edit; without limits one selection could ask
// for billions of frames.
#pragma once

struct Camera;

// Ten minutes at 60 frames per second, per leg.
const int kMaxLegFrames = 36000;
const float kMaxTransitionSeconds = 600.0f;
const float kMaxTransitionDelay = 600.0f;
// Frames one selection may build in all (about 12 MB); a looping chain stops
// appending legs there and auto-advance carries on when they have played.
const int kMaxTransitionFrames = 120000;
const int kMaxChainLegs = 2500;

// A value from a file as a sane number: non-finite or negative counts as 0.
float boundedSeconds(float seconds, float limit);
// Frames of the leg into `to`: its seconds at the smoothed frame rate (which
// takes one sample), else its frame count; within 0..kMaxLegFrames.
int transitionFrameCount(Camera* to);
// Seconds to wait before the leg into `to`.
float transitionDelayOf(const Camera* to);
