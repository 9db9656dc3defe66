#include "world/ai_datarefs.h"

#include <cstdio>

namespace {

AiDataRefs refs;
bool found = false;

XPLMDataRef planeRef(int plane, const char* suffix) {
    char name[80];
    snprintf(name, sizeof(name), "sim/multiplayer/position/plane%d_%s", plane, suffix);
    return XPLMFindDataRef(name);
}

void findAll() {
    for (int i = 0; i < kMultiplayerPlanes; ++i) {
        refs.planeX[i] = planeRef(i + 1, "x");
        refs.planeY[i] = planeRef(i + 1, "y");
        refs.planeZ[i] = planeRef(i + 1, "z");
        refs.planePsi[i] = planeRef(i + 1, "psi");
        refs.planeThe[i] = planeRef(i + 1, "the");
        refs.planePhi[i] = planeRef(i + 1, "phi");
    }
    refs.tcasX = XPLMFindDataRef("sim/cockpit2/tcas/targets/position/x");
    refs.tcasY = XPLMFindDataRef("sim/cockpit2/tcas/targets/position/y");
    refs.tcasZ = XPLMFindDataRef("sim/cockpit2/tcas/targets/position/z");
    refs.tcasPsi = XPLMFindDataRef("sim/cockpit2/tcas/targets/position/psi");
    refs.tcasThe = XPLMFindDataRef("sim/cockpit2/tcas/targets/position/the");
    refs.tcasPhi = XPLMFindDataRef("sim/cockpit2/tcas/targets/position/phi");
    refs.flightId = XPLMFindDataRef("sim/cockpit2/tcas/targets/flight_id");
    refs.modeS = XPLMFindDataRef("sim/cockpit2/tcas/targets/modeS_id");
    refs.tcasCount = XPLMFindDataRef("sim/cockpit2/tcas/indicators/tcas_num_acf");
}

}  // namespace

const AiDataRefs& aiDataRefs() {
    if (!found) {
        findAll();
        found = true;
    }
    return refs;
}

void forgetAiDataRefs() {
    refs = AiDataRefs{};
    found = false;
}
