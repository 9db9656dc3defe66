#include "positioning/commands/movement_speeds.h"

#include "positioning/commands/movement.h"
#include "shell/settings.h"

namespace {
float panSpeedFactor = 1.0f;
float movementSpeedFactor = 1.0f;
}  // namespace

float getPanSpeedFactor() { return panSpeedFactor; }

void setPanSpeedFactor(float factor) { panSpeedFactor = factor; }

float getMovementSpeedFactor() { return movementSpeedFactor; }

void setMovementSpeedFactor(float factor) { movementSpeedFactor = factor; }

float slowSpeedFactor(float factor) { return factor > 0.0f ? 1.0f / factor : 1.0f; }

float rotationStep() {
    const Settings* s = getSettings();
    const float speeds[4] = {s->SMALL_ROTATION_SPEED, s->MEDIUM_ROTATION_SPEED,
                             s->LARGE_ROTATION_SPEED, s->VERY_LARGE_ROTATION_SPEED};
    return panSpeedFactor * speeds[getCurrentMovementRange()];
}

float movementStep() {
    const Settings* s = getSettings();
    const float speeds[4] = {s->SMALL_MOVEMENT_SPEED, s->MEDIUM_MOVEMENT_SPEED,
                             s->LARGE_MOVEMENT_SPEED, s->VERY_LARGE_MOVEMENT_SPEED};
    return movementSpeedFactor * speeds[getCurrentMovementRange()];
}
