// The eleven values a transition moves: x, y, z, heading, pitch, roll, field of
// view, zoom and the three CG offsets.
#pragma once

#include "cameras/set/camera_position.h"

const int kTransitionValues = 11;

struct PoseValues {
    float v[kTransitionValues];
};

// end - start; heading, pitch and roll the short way round.
PoseValues poseDeltas(const CameraPosition& start, const CameraPosition& end);
// p += d x factor.
void addPoseValues(CameraPosition* p, const PoseValues& d, float factor);
