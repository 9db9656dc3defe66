#include "positioning/pipeline/cockpit_output.h"

#include <cmath>

#include "scene/engine_datarefs.h"
#include "scene/fov.h"
#include "positioning/pipeline/offsets.h"
#include "scene/pose_angles.h"
#include "positioning/integration/script_offsets.h"
#include "xplane/sdk.h"

namespace {
void write(XPLMDataRef ref, float value) {
    if (ref != nullptr) {
        XPLMSetDataf(ref, value);
    }
}

bool isFinitePose(const CameraPosition& p) {
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z) &&
           std::isfinite(p.heading) && std::isfinite(p.pitch) && std::isfinite(p.roll) &&
           std::isfinite(p.fov);
}
}  // namespace

void writeCockpitPose(Camera* camera, CameraPosition* p) {
    adjustOffsets(camera, p);
    adjustScriptOffsets(camera, p);
    if (!isFinitePose(*p)) {
        // X-Plane's pilot's head keeps the last good pose.
        return;
    }
    const EngineDataRefs& refs = engineDataRefs();
    write(refs.pilotsHeadX, p->x);
    write(refs.pilotsHeadY, p->y);
    write(refs.pilotsHeadZ, p->z);
    write(refs.pilotsHeadPsi, p->heading);
    write(refs.pilotsHeadThe, fixPitchRollAngle(p->pitch));
    write(refs.headRoll, fixPitchRollAngle(p->roll));
    setFov(p->fov);
}
