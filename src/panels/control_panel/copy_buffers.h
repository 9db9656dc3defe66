// The control panel's three copy buffers. They outlive every panel, so a copy
// survives closing, destroying and rebuilding it while the plug-in is loaded;
// they are emptied when it stops.
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

// The first panel made after the plug-in started empties the buffers; later
// ones keep them.
void emptyCopyBuffersOnce();
// The plug-in stops: nothing copied reaches the next start.
void forgetCopyBuffers();

// "(Copy of) NAME", cut to the 30 characters a name holds.
std::string copyName(const char* name);
