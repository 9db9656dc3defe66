// What the current camera does with targets: storing its position as a named
// target, and its two target options.
#pragma once

// The position of a free camera, of the free target a target-following camera
// aims at, or else of the user's aircraft, stored under the name; the file is
// saved and the targets near the reference collected again. 0 when the target
// was refused (blank name, invalid position) or the file could not be written.
int saveCameraAsTarget(const char* name);
// Only for a target-following camera.
void toggleTargetReciprocal();
// Only for an external camera that is not a free camera.
void toggleTargetfollowing();
