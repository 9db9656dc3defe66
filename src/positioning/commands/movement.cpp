#include "positioning/commands/movement.h"

#include "positioning/transitions/transition_state.h"

float cameraMoveX = 0;
float cameraMoveY = 0;
float cameraMoveZ = 0;
float cameraMovePSI = 0;
float cameraMoveTHE = 0;
int continuousMove = 0;

namespace {
int currentMovementRange = 1;
int walkMode = 0;
int currentPanSpeed = 1;
}  // namespace

int getCurrentMovementRange() { return currentMovementRange; }

void setCurrentMovementRange(int range) {
    // The range indexes the speed settings; a camera file may hold anything.
    currentMovementRange = range < 0 ? 0 : (range > 3 ? 3 : range);
}

int getWalkMode() { return walkMode; }

void setWalkMode(int on) { walkMode = on != 0 ? 1 : 0; }

void togglePanSpeed() { currentPanSpeed = currentPanSpeed >= 2 ? 0 : currentPanSpeed + 1; }

int getCurrentPanSpeed() { return currentPanSpeed; }

void clearMovementAccumulators() {
    cameraMoveX = 0;
    cameraMoveY = 0;
    cameraMoveZ = 0;
    cameraMovePSI = 0;
    cameraMoveTHE = 0;
}

void KeyBoardCameraPositionKeyUp(void*) {
    if (isCurrentlyAnimating()) {
        stopAnimationRequest();
        return;
    }
    // In walk mode the motion goes on after the key is released.
    if (!walkMode) {
        continuousMove = 0;
        clearMovementAccumulators();
    }
}

void stopAllMovement() {
    stopTransition();
    walkMode = 0;
    continuousMove = 0;
    clearMovementAccumulators();
}

void stopAnimationRequest() { stopAllMovement(); }
