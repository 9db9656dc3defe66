// The per-frame movement that commands, the mouse and the joystick feed and the
// pipeline applies to the current camera; stopping all of it.
#pragma once

// Metres per frame in the camera's axes (x right, y up, z back) and degrees
// per frame of heading and pitch. With continuousMove the pipeline keeps them
// after applying them (a velocity); otherwise it clears them (a single step).
extern float cameraMoveX;
extern float cameraMoveY;
extern float cameraMoveZ;
extern float cameraMovePSI;
extern float cameraMoveTHE;
extern int continuousMove;

// 0 "Small", 1 "Medium", 2 "Large", 3 "Very Large"; the current camera's
// initialMovementRange, copied every pass.
int getCurrentMovementRange();
void setCurrentMovementRange(int range);
// Walk mode: each move adds velocity instead of a single step.
int getWalkMode();
void setWalkMode(int on);
// 0 slow, 1 normal, 2 fast: advances 0, 1, 2, 0.
void togglePanSpeed();
int getCurrentPanSpeed();
void clearMovementAccumulators();

// One movement operation (0 to 15) on the current camera; continuous makes a
// move or turn a velocity (walk mode).
void positionCamera(int operation, int continuous);
// A held movement key was released: outside walk mode the move stops at once.
// The argument is ignored.
void KeyBoardCameraPositionKeyUp(void* reference);
// Cancels a transition (and a delay in progress), walk mode and the movement.
void stopAllMovement();
// What every selection path calls: the same as stopAllMovement.
void stopAnimationRequest();
