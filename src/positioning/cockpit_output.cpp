#include "positioning/cockpit_output.h"

#include "positioning/engine_datarefs.h"
#include "positioning/fov.h"
#include "positioning/offsets.h"
#include "positioning/pose_angles.h"
#include "positioning/script_offsets.h"
#include "xplane/sdk.h"

namespace {
void write(XPLMDataRef ref, float value) {
    if (ref != nullptr) {
        XPLMSetDataf(ref, value);
    }
}
}  // namespace

void writeCockpitPose(Camera* camera, CameraPosition* p) {
    adjustOffsets(camera, p);
    adjustScriptOffsets(camera, p);
    const EngineDataRefs& refs = engineDataRefs();
    write(refs.pilotsHeadX, p->x);
    write(refs.pilotsHeadY, p->y);
    write(refs.pilotsHeadZ, p->z);
    write(refs.pilotsHeadPsi, p->heading);
    write(refs.pilotsHeadThe, fixPitchRollAngle(p->pitch));
    write(refs.headRoll, fixPitchRollAngle(p->roll));
    setFov(p->fov);
}
