#include "positioning/pipeline/origin_view.h"

#include "scene/turn.h"

void exactViewFromOrigin(const OriginPose& o, const CameraPosition& p, CameraPosition* out) {
    Turn origin = attitudeTurn(o.heading, o.pitch, o.roll);
    CameraPosition world = p;
    turnPoint(origin, &world);
    *out = p;
    out->x = static_cast<float>(o.x + world.x);
    out->y = static_cast<float>(o.y + world.y);
    out->z = static_cast<float>(o.z + world.z);
    Turn view = composeTurns(origin, attitudeTurn(p.heading, p.pitch, p.roll));
    anglesOfTurn(view, &out->heading, &out->pitch, &out->roll);
}
