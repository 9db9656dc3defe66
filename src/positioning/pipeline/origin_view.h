// How the world sees a pose given in the frame of an origin that moves and
// turns: the user's aircraft, a ship or an AI aircraft.
#pragma once

#include "cameras/set/camera_position.h"
#include "positioning/pipeline/origin.h"

// out gets p's position turned by o's attitude and moved to o, and the view's
// heading and pitch along p's own angles turned with o; its roll is p's plus
// o's attitude as seen along the view. The other fields are p's.
void viewFromOrigin(const OriginPose& o, const CameraPosition& p, CameraPosition* out);
// X-Plane's own view from a pilot's head p in o: the position as above, the
// heading, pitch and roll those of o's turn followed by p's (each heading,
// then pitch, then roll, as X-Plane turns its camera), composed exactly.
void exactViewFromOrigin(const OriginPose& o, const CameraPosition& p, CameraPosition* out);
