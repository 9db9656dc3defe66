// Moving the cursor: the current category and, per category, its current camera.
#pragma once

#include "cameras/set/camera.h"

// True for a record that is one of the set's cameras in use, not a copy or
// a slot past its category's end.
bool isCameraOfSet(const Camera* camera);
// Makes a camera of the set current (its category too); others are ignored.
void setCurrentCamera(Camera* camera);
void setCategory(int index);
// Selecting the current camera again puts a temporarily moved camera back.
void setCameraIndex(int index);
// The camera after the current one in its category; the cursor stays.
Camera* peakNextCamera();
// Next or previous camera of the current category, skipping hidden cameras
// unless includeHidden or the control panel is open; returns the new current.
Camera* getNextCamera(bool includeHidden);
Camera* getPreviousCamera(bool includeHidden);
Camera* getNextCategory();
Camera* getPreviousCategory();
// Each selection of an ID moves to its next holder in set order; with an
// airport set active, an ID only the aircraft set has switches back to it.
int selectCameraByViewID(int viewId);
int selectCameraByCategoryID(int index);
int selectNextViewID();
int selectPreviousViewID();
// Makes a target-following camera current; 0 when the set has none.
int findTargetCamera();
