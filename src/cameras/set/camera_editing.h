// Changing the shape of the camera set: adding, inserting and deleting
// cameras and categories, hiding cameras and assigning view IDs.
#pragma once

#include "cameras/set/camera.h"

// A new last category "Category %d" (the new count, or the next number no
// category has) holding a copy of the current camera; 0 when the set already
// has 20 categories.
int addCategory();
// A copy of the current camera as "Camera %d" at the end of the current
// category; 0 when it already holds 150 cameras.
int addCameraToCategory();
// The same, placed where the current camera or category was.
int insertCameraInCategory();
int insertCategory();
// Never removes the last category, or the last camera of a category.
int deleteCategory();
int deleteCamera();
void clearAllCategoryViewIDs(Category* category);
// Refused (0) when all other cameras of its category are hidden already.
int setHiddenCamera(Camera* camera);
// Gives the current camera the ID and takes it from every other camera.
void setViewId(int viewId);
int hasViewId(int viewId);
// Every camera holding the ID, in set order, in one static array.
Camera** findCamerasViewID(int viewId, int* count);
// "Cockpit" / "Pilot View" at the pose camera control began with; not saved.
void newAircraftCameraSet();
// The category of that name (case ignored, first 30 characters), created at
// the end when asked and there is room; -1 otherwise.
int findCategoryIndex(const char* name, bool create);
void snapToTrackIR();
