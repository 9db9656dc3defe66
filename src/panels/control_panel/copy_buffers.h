// The control panel's three copy buffers. They outlive every panel, so a copy
// survives closing, destroying and rebuilding it while the plug-in is loaded.
#pragma once

#include <string>

#include "cameras/set/camera.h"

// Edit > "Copy Camera Set"; full when it holds a category.
CategoryCache* copiedCameraSet();
// Full when its name is not empty.
Camera* copiedCamera();
Category* copiedCategory();
bool isCameraSetCopied();
bool isCameraCopied();
bool isCategoryCopied();

// The first panel made empties the buffers; later ones keep them.
void emptyCopyBuffersOnce();

// "(Copy of) NAME", cut to the 30 characters a name holds.
std::string copyName(const char* name);
