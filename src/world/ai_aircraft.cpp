// Counting the other aircraft and reading one of them.
#include <cmath>

#include "world/ai_datarefs.h"
#include "world/ai_reference.h"
#include "world/ai_traffic.h"

namespace {

const double kMetresPerNauticalMile = 1852.0;
const int kFlightIdBytes = 8;

float tcasElement(XPLMDataRef ref, int target) {
    float value = 0;
    if (ref != nullptr) {
        XPLMGetDatavf(ref, &value, target, 1);
    }
    return value;
}

float readFloat(XPLMDataRef ref) { return ref != nullptr ? XPLMGetDataf(ref) : 0.0f; }

double readDouble(XPLMDataRef ref) { return ref != nullptr ? XPLMGetDatad(ref) : 0.0; }

// TCAS target i + 1 when it is one of the array's, else -1.
int tcasTarget(int index) {
    return index >= 0 && index < kTcasTargets - 1 ? index + 1 : -1;
}

}  // namespace

int getActiveAIPlanes() {
    aiDataRefs();
    int total = 0;
    int active = 0;
    XPLMPluginID controller = XPLM_NO_PLUGIN_ID;
    XPLMCountAircraft(&total, &active, &controller);
    return active > 1 ? active - 1 : 0;
}

bool hasTcasSupport() {
    const AiDataRefs& refs = aiDataRefs();
    return refs.tcasX != nullptr && refs.tcasCount != nullptr && XPLMGetDatai(refs.tcasCount) > 1;
}

const AiPosition& getAiPosition(int index) {
    static AiPosition position;
    position = AiPosition{};
    const AiDataRefs& refs = aiDataRefs();
    if (hasTcasSupport()) {
        int target = tcasTarget(index);
        if (target > 0) {
            position.x = tcasElement(refs.tcasX, target);
            position.y = tcasElement(refs.tcasY, target);
            position.z = tcasElement(refs.tcasZ, target);
            position.heading = tcasElement(refs.tcasPsi, target);
            position.pitch = tcasElement(refs.tcasThe, target);
            position.roll = tcasElement(refs.tcasPhi, target);
        }
    } else if (index >= 0 && index < kMultiplayerPlanes) {
        position.x = static_cast<float>(readDouble(refs.planeX[index]));
        position.y = static_cast<float>(readDouble(refs.planeY[index]));
        position.z = static_cast<float>(readDouble(refs.planeZ[index]));
        position.heading = readFloat(refs.planePsi[index]);
        position.pitch = readFloat(refs.planeThe[index]);
        position.roll = readFloat(refs.planePhi[index]);
    }
    return position;
}

float getAIPlaneDistance(int index) {
    double x = 0, y = 0, z = 0;
    getAiReferencePoint(&x, &y, &z);
    const AiPosition& position = getAiPosition(index);
    double dx = position.x - x;
    double dy = position.y - y;
    double dz = position.z - z;
    return static_cast<float>(std::sqrt(dx * dx + dy * dy + dz * dz) / kMetresPerNauticalMile);
}

const char* getTcasFlightID(int index) {
    static char flightId[kFlightIdBytes];
    flightId[0] = 0;
    int target = tcasTarget(index);
    const AiDataRefs& refs = aiDataRefs();
    if (target > 0 && refs.flightId != nullptr && hasTcasSupport()) {
        int got = XPLMGetDatab(refs.flightId, flightId, target * kFlightIdBytes,
                               kFlightIdBytes - 1);
        flightId[got > 0 ? got : 0] = 0;
    }
    return flightId;
}

int getTcasId(int index) {
    if (!hasTcasSupport()) {
        return index;
    }
    int id = 0;
    int target = tcasTarget(index);
    const AiDataRefs& refs = aiDataRefs();
    if (target > 0 && refs.modeS != nullptr) {
        XPLMGetDatavi(refs.modeS, &id, target, 1);
    }
    return id;
}
