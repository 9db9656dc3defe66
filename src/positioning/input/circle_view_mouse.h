// Orbiting a circle-view camera with the mouse.
#pragma once

// operation 1 remembers (x, y); 2 turns the current camera about its
// origin's vertical axis by the horizontal motion since the remembered point
// and raises or lowers it by the vertical motion, in proportion to its
// distance.
void processCircleView(int x, int y, int operation);
