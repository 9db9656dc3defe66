// The per-frame positioning pipeline and the view switches around it.
#pragma once

// One pass of the pipeline; the main flight loop calls it every frame while
// camera control is on.
void processCameraPosition();
// Switches X-Plane to the 3-D cockpit unless it is there already (always when
// force is not 0).
void enable3DCockpit(int force);
// Asks the next pass to switch to the 3-D cockpit.
void setAutoEnable3dCockpit();
int getAutoEnable3dCockpit();
// Back from an airport camera set to the aircraft's.
void toggleAirportCameras();
// Hands X-Plane its own field of view back before it saves its preferences.
void restoreDefaultFov();
void resetCameraMotionAxisAssignments();
int getCameraMotionAxisAssignment(int index);
