// Terrain probes.
#pragma once

#include "XPLMDefs.h"

#if defined(XPLM200)
typedef void* XPLMProbeRef;

typedef int XPLMProbeType;
enum {
    xplm_ProbeY = 0
};

typedef int XPLMProbeResult;
enum {
    xplm_ProbeHitTerrain = 0,
    xplm_ProbeError = 1,
    xplm_ProbeMissed = 2
};

typedef struct {
    int structSize;
    float locationX;
    float locationY;
    float locationZ;
    float normalX;
    float normalY;
    float normalZ;
    float velocityX;
    float velocityY;
    float velocityZ;
    int is_wet;
} XPLMProbeInfo_t;

XPLM_API XPLMProbeRef XPLMCreateProbe(XPLMProbeType inProbeType);
XPLM_API void XPLMDestroyProbe(XPLMProbeRef inProbe);
XPLM_API XPLMProbeResult XPLMProbeTerrainXYZ(XPLMProbeRef inProbe, float inX, float inY,
                                             float inZ, XPLMProbeInfo_t* outInfo);
#endif  // XPLM200
