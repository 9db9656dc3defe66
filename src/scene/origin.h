// Where an external camera's offsets are anchored: the user's aircraft, the
// aircraft carrier or the frigate (an AI aircraft in AI perspective). A
// camera's own origin is cameras/set/camera_origin.h.
#pragma once

struct OriginPose {
    double x = 0;
    double y = 0;
    double z = 0;
    float heading = 0;
    float pitch = 0;
    float roll = 0;
};

// The user's aircraft: local position, heading in [0, 360), pitch and roll in
// (-180, 180].
OriginPose getAircraftOrigin();
// Boat element 0 the carrier, 1 the frigate; level.
OriginPose getBoatOrigin(int index);
// Target kinds: 1 the user's aircraft, 2 the carrier, 3 the frigate; 0 (a fixed
// world point) is all zero.
OriginPose getTargetOrigin(int targetType);
