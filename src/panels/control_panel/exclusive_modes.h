// The camera modes that exclude each other: ticking one switches off the
// modes it cannot be combined with and places the camera where that mode
// starts. Each reaction runs in the frame its box changed.
#pragma once

struct Camera;

void externalChanged(Camera* camera, bool ticked);
void trackHeadingChanged(Camera* camera, bool ticked);
void trackPitchChanged(Camera* camera, bool ticked);
void cineflexTicked(Camera* camera);
void chaseViewTicked(Camera* camera);
void circleViewTicked(Camera* camera);
void targetFollowingTicked(Camera* camera);
void freeCameraChanged(Camera* camera, bool ticked);
void aglCameraTicked(Camera* camera);
// Carrier or frigate: a place beside the ship, tracking it.
void cameraOriginChanged(Camera* camera);
