// XPLMScenery's terrain probes over flat ground.
#include <cstdint>
#include <set>

#include "internal.h"
#include "xpsim.h"

namespace xpsim {
namespace {

double ground = 0;
bool probesMiss = false;

// Probe handles are IDs, never reused, so a stale handle is recognised.
std::set<uint64_t> probes;
uint64_t nextProbe = 1;

uint64_t idOf(XPLMProbeRef probe) {
    return static_cast<uint64_t>(reinterpret_cast<uintptr_t>(probe));
}

}  // namespace

void setTerrain(double elevationM) {
    ground = elevationM;
    detail::updateHeightAboveGround();
}

void setProbesMiss(bool miss) { probesMiss = miss; }

namespace detail {

double terrainElevation() { return ground; }

void resetScenery() {
    ground = 0;
    probesMiss = false;
    probes.clear();
}

}  // namespace detail
}  // namespace xpsim

XPLM_API XPLMProbeRef XPLMCreateProbe(XPLMProbeType inProbeType) {
    if (inProbeType != xplm_ProbeY) return nullptr;
    uint64_t id = xpsim::nextProbe++;
    xpsim::probes.insert(id);
    return reinterpret_cast<XPLMProbeRef>(static_cast<uintptr_t>(id));
}

XPLM_API void XPLMDestroyProbe(XPLMProbeRef inProbe) { xpsim::probes.erase(xpsim::idOf(inProbe)); }

// Local y is elevation, so the ground under any x/z is at the terrain's height.
XPLM_API XPLMProbeResult XPLMProbeTerrainXYZ(XPLMProbeRef inProbe, float inX, float inY,
                                             float inZ, XPLMProbeInfo_t* outInfo) {
    (void)inY;
    if (!xpsim::probes.count(xpsim::idOf(inProbe)) || !outInfo ||
        outInfo->structSize != static_cast<int>(sizeof(XPLMProbeInfo_t)))
        return xplm_ProbeError;
    if (xpsim::probesMiss) return xplm_ProbeMissed;
    outInfo->locationX = inX;
    outInfo->locationY = static_cast<float>(xpsim::ground);
    outInfo->locationZ = inZ;
    outInfo->normalX = 0;
    outInfo->normalY = 1;
    outInfo->normalZ = 0;
    outInfo->velocityX = outInfo->velocityY = outInfo->velocityZ = 0;
    outInfo->is_wet = 0;
    return xplm_ProbeHitTerrain;
}
