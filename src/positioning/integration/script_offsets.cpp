#include "positioning/integration/script_offsets.h"

#include "cameras/set/camera.h"
#include "positioning/integration/integration_values.h"

void adjustScriptOffsets(Camera* camera, CameraPosition* p) {
    if (camera->scriptId <= 0) {
        return;
    }
    const IntegrationValues* v = getIntegrationValues();
    p->x += v->effectScriptXOffset;
    p->y += v->effectScriptYOffset;
    p->z += v->effectScriptZOffset;
    p->heading += v->effectScriptHeadingOffset;
    p->pitch += v->effectScriptPitchOffset;
    p->roll += v->effectScriptRollOffset;
}

void clearScriptEffectOffsets() {
    IntegrationValues* v = getIntegrationValues();
    v->effectScriptXOffset = 0;
    v->effectScriptYOffset = 0;
    v->effectScriptZOffset = 0;
    v->effectScriptPitchOffset = 0;
    v->effectScriptHeadingOffset = 0;
    v->effectScriptRollOffset = 0;
}
