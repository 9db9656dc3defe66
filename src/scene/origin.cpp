#include "scene/origin.h"

#include "scene/engine_datarefs.h"
#include "scene/pose_angles.h"
#include "shell/angles.h"
#include "xplane/sdk.h"

namespace {
double readDouble(XPLMDataRef ref) { return ref != nullptr ? XPLMGetDatad(ref) : 0.0; }
float readFloat(XPLMDataRef ref) { return ref != nullptr ? XPLMGetDataf(ref) : 0.0f; }

float readElement(XPLMDataRef ref, int index) {
    float value = 0;
    if (ref != nullptr && XPLMGetDatavf(ref, &value, index, 1) == 1) {
        return value;
    }
    return 0.0f;
}
}  // namespace

OriginPose getAircraftOrigin() {
    const EngineDataRefs& refs = engineDataRefs();
    OriginPose origin;
    origin.x = readDouble(refs.planeLocalX);
    origin.y = readDouble(refs.planeLocalY);
    origin.z = readDouble(refs.planeLocalZ);
    origin.heading = fixAngle(readFloat(refs.planePsi));
    origin.pitch = fixPitchRollAngle(readFloat(refs.planeTheta));
    origin.roll = fixPitchRollAngle(readFloat(refs.planePhi));
    return origin;
}

OriginPose getBoatOrigin(int index) {
    const EngineDataRefs& refs = engineDataRefs();
    OriginPose origin;
    origin.x = readElement(refs.boatX, index);
    origin.y = readElement(refs.boatY, index);
    origin.z = readElement(refs.boatZ, index);
    origin.heading = readElement(refs.boatHeading, index);
    return origin;
}

OriginPose getTargetOrigin(int targetType) {
    switch (targetType) {
        case 1:
            return getAircraftOrigin();
        case 2:
            return getBoatOrigin(0);
        case 3:
            return getBoatOrigin(1);
        default:
            return OriginPose();
    }
}
