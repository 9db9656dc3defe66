#include "scene/terrain.h"

#include "xplane/sdk.h"

bool probeY(const CameraPosition* p, double* y) {
    XPLMProbeRef probe = XPLMCreateProbe(xplm_ProbeY);
    if (probe == nullptr) {
        return false;
    }
    XPLMProbeInfo_t info = {};
    info.structSize = sizeof(info);
    XPLMProbeResult result = XPLMProbeTerrainXYZ(probe, p->x, p->y, p->z, &info);
    XPLMDestroyProbe(probe);
    if (result != xplm_ProbeHitTerrain) {
        return false;
    }
    *y = info.locationY;
    return true;
}
