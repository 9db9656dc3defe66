// How the world sees a pose given in the frame of an origin that moves and
// turns: the user's aircraft, a ship or an AI aircraft.
#pragma once

#include "cameras/set/camera_position.h"
#include "scene/origin.h"

// The view from pose p fixed to origin o, as X-Plane shows a camera or the
// pilot's head there: p's position turned by o's attitude and moved to o; the
// heading, pitch and roll those of o's turn followed by p's own (each roll,
// then pitch, then heading), composed exactly. The other fields are p's.
void exactViewFromOrigin(const OriginPose& o, const CameraPosition& p, CameraPosition* out);
