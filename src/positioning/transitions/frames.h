// One pose per simulator frame of a transition, in a doubly linked list.
#pragma once

#include "cameras/set/camera_position.h"

struct Camera;

struct Frame {
    CameraPosition pose;
    float delay = 0;  // seconds to wait before this frame plays; first frame of a leg only
    Camera* camera = nullptr;  // becomes current when the frame before it has played
    Frame* next = nullptr;
    Frame* prev = nullptr;
};

// Null when memory runs out.
Frame* newFrameFromPosition(const CameraPosition* pose);
// Frees the frame and every frame after it.
void deleteRemaingFrames(Frame* head);
// Links frame after tail; returns frame.
Frame* linkFrame(Frame* tail, Frame* frame);
Frame* lastFrame(Frame* head);
int countFrames(const Frame* head);
// Consecutive frames before (after) the given one that belong to its camera.
int frameLookBack(const Frame* frame);
int frameLookForward(const Frame* frame);
// The frame n steps back (forward); the caller knows it exists.
Frame* backUpframe(Frame* frame, int n);
Frame* forwardFrame(Frame* frame, int n);
// Heading and pitch one step into [0, 360); a negative roll gains 360.
void fixHeadingPitchValues(CameraPosition* pose);
