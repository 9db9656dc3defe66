// AI and multiplayer traffic: aircraft a test or script places and moves,
// shown to plug-ins as X-Plane shows them, through the multiplayer datarefs
// (the first 19), the TCAS target arrays (up to 63) and XPLMCountAircraft.
#include <algorithm>
#include <string>
#include <vector>

#include "dataref.h"
#include "internal.h"
#include "xpsim.h"

namespace xpsim {
namespace {

constexpr int kMultiplayerPlanes = 19;
constexpr int kTcasTargets = 64;
constexpr int kFlightIdBytes = 8;
constexpr int kModeSBase = 0xA00000;
// X-Plane 11 has 20 aircraft slots; from 11.50 TCAS shows up to 64.
constexpr int kSlotsWithoutTcas = 20;
const char* const kTcasPrefix = "sim/cockpit2/tcas/";

// Kept in world coordinates: local ones follow X-Plane's local origin.
struct AiAircraft {
    double latitude = 0;
    double longitude = 0;
    double elevation = 0;
    float heading = 0;
    float pitch = 0;
    float roll = 0;
    int modeS = 0;
    std::string flightId;
};

std::vector<AiAircraft> traffic;
int identities = 0;
bool tcasAvailable = true;

struct Local {
    double x = 0;
    double y = 0;
    double z = 0;
};

Local localOf(const AiAircraft* aircraft) {
    Local local;
    if (aircraft)
        XPLMWorldToLocal(aircraft->latitude, aircraft->longitude, aircraft->elevation, &local.x,
                         &local.y, &local.z);
    return local;
}

void publishPlane(int plane, const AiAircraft* aircraft) {
    AiAircraft none;
    const AiAircraft& a = aircraft ? *aircraft : none;
    Local local = localOf(aircraft);
    auto set = [plane](const char* suffix, double value) {
        std::string name = "sim/multiplayer/position/plane" + std::to_string(plane) + "_" + suffix;
        detail::setSimValue(name.c_str(), value);
    };
    set("x", local.x);
    set("y", local.y);
    set("z", local.z);
    set("psi", a.heading);
    set("the", a.pitch);
    set("phi", a.roll);
    set("lat", a.latitude);
    set("lon", a.longitude);
    set("el", a.elevation);
}

void publishTarget(int target, const AiAircraft* aircraft) {
    AiAircraft none;
    const AiAircraft& a = aircraft ? *aircraft : none;
    Local local = localOf(aircraft);
    auto set = [target](const char* name, double value) {
        detail::setSimValue((std::string(kTcasPrefix) + name).c_str(), value, target);
    };
    set("targets/position/x", local.x);
    set("targets/position/y", local.y);
    set("targets/position/z", local.z);
    set("targets/position/lat", a.latitude);
    set("targets/position/lon", a.longitude);
    set("targets/position/ele", a.elevation);
    set("targets/position/psi", a.heading);
    set("targets/position/the", a.pitch);
    set("targets/position/phi", a.roll);
    set("targets/modeS_id", a.modeS);
    const std::string flightIdName = std::string(kTcasPrefix) + "targets/flight_id";
    for (int i = 0; i < kFlightIdBytes; ++i) {
        int byte = i < static_cast<int>(a.flightId.size()) && i < kFlightIdBytes - 1
                       ? static_cast<unsigned char>(a.flightId[i])
                       : 0;
        detail::setSimValue(flightIdName.c_str(), byte, target * kFlightIdBytes + i);
    }
}

// Every dataref shows the traffic as it now stands.
void publish() {
    int count = static_cast<int>(traffic.size());
    for (int plane = 1; plane <= kMultiplayerPlanes; ++plane)
        publishPlane(plane, plane - 1 < count ? &traffic[plane - 1] : nullptr);
    if (!tcasAvailable) return;
    for (int target = 1; target < kTcasTargets; ++target)
        publishTarget(target, target - 1 < count ? &traffic[target - 1] : nullptr);
    detail::setSimValue("sim/cockpit2/tcas/indicators/tcas_num_acf",
                        1 + std::min(count, kMaxAiAircraft));
}

bool exists(int index) { return index >= 0 && index < static_cast<int>(traffic.size()); }

}  // namespace

bool placeAiAircraft(int index, double latitude, double longitude, double elevationM,
                     float headingDeg, float pitchDeg, float rollDeg) {
    int count = static_cast<int>(traffic.size());
    if (index < 0 || index > count || index >= kMaxAiAircraft) return false;
    if (index == count) {
        AiAircraft added;
        ++identities;
        added.modeS = kModeSBase + identities;
        added.flightId = ("AI" + std::to_string(identities)).substr(0, kFlightIdBytes - 1);
        traffic.push_back(added);
    }
    AiAircraft& a = traffic[index];
    a.latitude = latitude;
    a.longitude = longitude;
    a.elevation = elevationM;
    a.heading = headingDeg;
    a.pitch = pitchDeg;
    a.roll = rollDeg;
    publish();
    return true;
}

bool removeAiAircraft(int index) {
    if (!exists(index)) return false;
    traffic.erase(traffic.begin() + index);
    publish();
    return true;
}

bool swapAiAircraft(int first, int second) {
    if (!exists(first) || !exists(second)) return false;
    std::swap(traffic[first], traffic[second]);
    publish();
    return true;
}

bool setAiIdentity(int index, int modeSId, const std::string& flightId) {
    if (!exists(index)) return false;
    traffic[index].modeS = modeSId;
    traffic[index].flightId = flightId.substr(0, kFlightIdBytes - 1);
    publish();
    return true;
}

int aiAircraftCount() { return static_cast<int>(traffic.size()); }

void setTcasAvailable(bool available) {
    tcasAvailable = available;
    if (available) {
        detail::reinstallSimDatarefs(kTcasPrefix);
        publish();
        return;
    }
    for (detail::Dataref* d : detail::allDatarefs())
        if (d->name.compare(0, std::string(kTcasPrefix).size(), kTcasPrefix) == 0)
            removeDataref(d->name);
}

namespace detail {
void localOriginMoved() { publish(); }

void resetTraffic() {
    traffic.clear();
    identities = 0;
    tcasAvailable = true;
}
}  // namespace detail

}  // namespace xpsim

XPLM_API void XPLMCountAircraft(int* outTotalAircraft, int* outActiveAircraft,
                                XPLMPluginID* outController) {
    int active = 1 + static_cast<int>(xpsim::traffic.size());
    int slots = xpsim::tcasAvailable ? xpsim::kTcasTargets : xpsim::kSlotsWithoutTcas;
    if (outTotalAircraft) *outTotalAircraft = std::max(slots, active);
    if (outActiveAircraft) *outActiveAircraft = active;
    if (outController) *outController = XPLM_NO_PLUGIN_ID;
}
