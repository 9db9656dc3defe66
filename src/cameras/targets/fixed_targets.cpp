#include "cameras/targets/fixed_targets.h"

#include <cstring>

namespace {
Target fixed(const char* name, int type, int isFree) {
    Target target;
    strncpy(target.name, name, kMaxTargetNameLength);
    target.originType = type;
    target.isFreeTarget = isFree;
    return target;
}

Target freeTarget = fixed("Free Target", TargetFixedPoint, 1);
Target myAircraftTarget = fixed("My Aircraft", TargetMyAircraft, 0);
Target aircraftCarrierTarget = fixed("Aircraft Carrier", TargetAircraftCarrier, 0);
Target frigateTarget = fixed("Frigate", TargetFrigate, 0);
}  // namespace

void resetFixedTargets() {
    freeTarget = fixed("Free Target", TargetFixedPoint, 1);
    myAircraftTarget = fixed("My Aircraft", TargetMyAircraft, 0);
    aircraftCarrierTarget = fixed("Aircraft Carrier", TargetAircraftCarrier, 0);
    frigateTarget = fixed("Frigate", TargetFrigate, 0);
}

Target* getFreeTarget() { return &freeTarget; }

Target* getMyAircraftTarget() { return &myAircraftTarget; }

Target* getAircraftCarrierTarget() { return &aircraftCarrierTarget; }

Target* getFrigateTarget() { return &frigateTarget; }
