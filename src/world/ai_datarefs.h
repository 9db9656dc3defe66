// The datarefs of AI traffic, found once on first use.
#pragma once

#include "world/ai_traffic.h"
#include "xplane/sdk.h"

struct AiDataRefs {
    // Index 0 is multiplayer plane 1.
    XPLMDataRef planeX[kMultiplayerPlanes];
    XPLMDataRef planeY[kMultiplayerPlanes];
    XPLMDataRef planeZ[kMultiplayerPlanes];
    XPLMDataRef planePsi[kMultiplayerPlanes];
    XPLMDataRef planeThe[kMultiplayerPlanes];
    XPLMDataRef planePhi[kMultiplayerPlanes];
    XPLMDataRef tcasX;
    XPLMDataRef tcasY;
    XPLMDataRef tcasZ;
    XPLMDataRef tcasPsi;
    XPLMDataRef tcasThe;
    XPLMDataRef tcasPhi;
    XPLMDataRef flightId;  // 8 bytes a target
    XPLMDataRef modeS;
    XPLMDataRef tcasCount;
};

const AiDataRefs& aiDataRefs();
void forgetAiDataRefs();
