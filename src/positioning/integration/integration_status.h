// The status words the integration datarefs publish and the selection of a
// camera by its category and index, as outside programs see them.
#pragma once

struct Camera;

// Status bits of the camera holding a view ID; 0 while camera control is off
// or when no camera holds it.
int viewIdCameraStatus(int viewId);
// Status bits of the current camera; 0 while camera control is off.
int overallCameraStatus();
// Category index x 150 + index in category of the current camera; -1 while
// camera control is off.
int selectedCameraNumber();
// Makes the camera of that number current; nothing when none has it.
void selectCameraNumber(int number);
