#include "positioning/pipeline/cockpit_output.h"

#include "positioning/pipeline/engine_datarefs.h"
#include "positioning/pipeline/fov.h"
#include "positioning/pipeline/offsets.h"
#include "positioning/pipeline/pose_angles.h"
#include "positioning/integration/script_offsets.h"
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
