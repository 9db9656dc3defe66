// Applying the movement of a frame to the current camera.
#pragma once

#include "cameras/set/camera_position.h"

struct Camera;

// Adds to the five movement accumulators.
void setCameraMovement(float dx, float dy, float dz, float dHeading, float dPitch);
// This frame's movement, raw or smoothed, onto the camera; clears the
// accumulators unless the move is continuous.
void adjustNewOffsets(Camera* camera);
// Moves a circle-view camera around its origin: delta.x is an angle about the
// vertical axis, delta.y the height and delta.z the distance.
void adjustCircleView(const CameraPosition* delta);
