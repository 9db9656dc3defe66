// Which of X-Plane's views is showing, and switching to the two the engine uses.
#pragma once

bool is3DCockpit();
bool isFreeCamera();
// Switches X-Plane to the 3-D cockpit unless it is there already (always when
// force is not 0); clears the request of setAutoEnable3dCockpit either way.
void enable3DCockpit(int force);
// Switches X-Plane to the free camera unless it is there already.
void enableFreeCamera();
// Asks the next pass that finds a cockpit camera to bring the 3-D cockpit back.
void setAutoEnable3dCockpit();
int getAutoEnable3dCockpit();
void clearAutoEnable3dCockpit();
