// What the mini control panel reads of the camera set, never reading a file
// from its frame and null where the set has nothing.
#pragma once

struct Camera;
struct Category;

// Null when the set is empty or its cursor points past the cameras.
Camera* miniPanelCurrentCamera();
Category* miniPanelCurrentCategory();
// The names shown in the menu bar; "" for what is missing.
const char* activeCameraFileName();
const char* currentCategoryName();
const char* currentCameraName();
