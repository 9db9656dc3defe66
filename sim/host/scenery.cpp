// XPLMScenery's terrain probes over a plane of ground: flat unless tilted.
#include <cmath>
#include <cstdint>
#include <set>

#include "internal.h"
#include "xpsim.h"

namespace xpsim {
namespace {

double ground = 0;
double riseEast = 0;
double riseSouth = 0;
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
    riseEast = 0;
    riseSouth = 0;
    detail::updateHeightAboveGround();
}

void setTerrainSlope(double east, double south) {
    riseEast = east;
    riseSouth = south;
    detail::updateHeightAboveGround();
}

void setProbesMiss(bool miss) { probesMiss = miss; }

namespace detail {

double terrainElevationAt(double x, double z) { return ground + riseEast * x + riseSouth * z; }

void resetScenery() {
    ground = 0;
    riseEast = 0;
    riseSouth = 0;
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

// A Y probe finds the ground straight above or below the point, so its height
// does not matter.
XPLM_API XPLMProbeResult XPLMProbeTerrainXYZ(XPLMProbeRef inProbe, float inX, float inY,
                                             float inZ, XPLMProbeInfo_t* outInfo) {
    (void)inY;
    if (!xpsim::probes.count(xpsim::idOf(inProbe)) || !outInfo ||
        outInfo->structSize != static_cast<int>(sizeof(XPLMProbeInfo_t)))
        return xplm_ProbeError;
    if (xpsim::probesMiss) return xplm_ProbeMissed;
    // The plane's upward normal: (-riseEast, 1, -riseSouth), made unit length.
    double length = std::sqrt(1.0 + xpsim::riseEast * xpsim::riseEast +
                              xpsim::riseSouth * xpsim::riseSouth);
    outInfo->locationX = inX;
    outInfo->locationY = static_cast<float>(xpsim::detail::terrainElevationAt(inX, inZ));
    outInfo->locationZ = inZ;
    outInfo->normalX = static_cast<float>(-xpsim::riseEast / length);
    outInfo->normalY = static_cast<float>(1.0 / length);
    outInfo->normalZ = static_cast<float>(-xpsim::riseSouth / length);
    outInfo->velocityX = outInfo->velocityY = outInfo->velocityZ = 0;
    outInfo->is_wet = 0;
    return xplm_ProbeHitTerrain;
}
