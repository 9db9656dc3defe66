// The transition being played: the head of its frame list and the wait of a
// delayed leg. The engine owns the frames; they are freed as they play or when
// the transition is cancelled.
#pragma once

#include <cstdint>

struct Frame;

Frame* getTransitionFrame();
// Takes ownership of the list; a list already playing is freed first.
void setTransitionFrame(Frame* head);
// The list lost its head frame to playing (the rest is still owned).
void advanceTransitionFrame(Frame* next);
bool isCurrentlyAnimating();
// Frees the rest of the list and ends a wait in progress.
void stopTransition();

// Milliseconds (getElapsedMilliSeconds) at which a delayed leg may start; 0 when
// not waiting.
int64_t getWaitUntil();
void setWaitUntil(int64_t milliseconds);
// Seconds left of the wait in progress; 0 when not waiting.
float getRemainingDelay();

// From the pilot's present head pose back to the current camera, when no
// transition is playing.
void transitionFromCurrentPosition();
