#include "positioning/external_pose.h"

#include "shell/angles.h"

float fixPitchRollAngle(float angle) {
    float fixed = fixAngle(angle);
    return fixed > 180.0f ? fixed - 360.0f : fixed;
}

int hasXPRealistic() { return 0; }

int hasRealView() { return 0; }
