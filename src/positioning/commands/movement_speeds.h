// How far one movement step goes: the settings' speeds of the current movement
// range times the speed factors that the last command chose (slow, normal or
// fast variants and the pan speed step).
#pragma once

// Multipliers of the rotation and movement speeds, 1.0 at start.
float getPanSpeedFactor();
void setPanSpeedFactor(float factor);
float getMovementSpeedFactor();
void setMovementSpeedFactor(float factor);

// The slow variant of a factor from the settings (1 / factor); a factor that
// is not above 0 leaves the speed as it is.
float slowSpeedFactor(float factor);

// Degrees per frame: panSpeedFactor x the rotation speed of the range.
float rotationStep();
// Metres per frame: movementSpeedFactor x the movement speed of the range.
float movementStep();
