// Mouse moves: while a mouse-move command is held, mouse motion moves, turns
// or zooms the current camera.
#pragma once

struct Camera;

// 1 left-right / forward-back, 2 left-right / up-down, 3 heading / pitch,
// 4 zoom; 0 ends the move.
void mouseMove(int type);
int getMouseMoveType();
// Once per pass while no transition plays.
void checkMouseMove(Camera* camera);
