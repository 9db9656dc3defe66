#include "positioning/commands/glance.h"

#include "cameras/set/camera_position.h"
#include "shell/angles.h"

namespace {
struct Glance {
    bool held = false;
    int index = 0;
    float degrees = 0;
};

Glance glance;
}  // namespace

void beginGlance(int index, float degrees) {
    glance.held = true;
    glance.index = index;
    glance.degrees = degrees;
}

void releaseGlance(int index) {
    if (glance.held && glance.index == index) {
        cancelGlance();
    }
}

void cancelGlance() { glance = Glance{}; }

void addGlanceOffset(CameraPosition* pose) {
    if (glance.held) {
        pose->heading = fixAngle(pose->heading + glance.degrees);
    }
}

float glanceDegrees() { return glance.held ? glance.degrees : 0.0f; }
