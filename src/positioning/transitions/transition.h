// Transitions: the move into a newly selected camera, precomputed as one pose
// per simulator frame (smooth, linear, or a Bezier curve through a chain of
// cameras), with the auto-advance chain behind it.
#pragma once

#include "cameras/set/camera_position.h"

struct Camera;
struct Frame;

// Smooth, linear or one-frame list from `from` (null: the pilot's present head
// pose) to `to`, with the auto-advance chain appended; null when nothing could
// be built.
Frame* createTransition(Camera* from, Camera* to);
// One Bezier list through the chain that starts at `from`; null when no chain
// of at least three cameras can be built or auto-advance is held back. The
// first leg turns from `from`'s heading plus startTurn (a glance held as the
// move begins: the view the pilot had).
Frame* createBezierTransition(Camera* from, Camera* to, float startTurn = 0.0f);
// Replaces the frames around each join of chained legs by a curve; returns the head.
Frame* newSmoothTransitions(Frame* head);
// Sum of sin(a) for the n angles 180/n, 2 x 180/n, ..., 180 degrees.
float calculateSinStepFactor(int n);
// Position, angles and CG offsets of the pose into the camera.
void setCameraPosition(Camera* camera, const CameraPosition* pose);
