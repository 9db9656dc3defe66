#include "panels/control_panel/copy_buffers.h"

namespace {
// Whole sets and categories are too large for the stack.
CategoryCache cameraSetBuffer;
Camera cameraBuffer;
Category categoryBuffer;
bool firstConstruction = true;

void emptyCopyBuffers() {
    initCamera(&cameraBuffer);
    cameraBuffer.name[0] = '\0';
    categoryBuffer = Category();
    cameraSetBuffer.numberOfCategories = 0;
}
}  // namespace

CategoryCache* copiedCameraSet() { return &cameraSetBuffer; }
Camera* copiedCamera() { return &cameraBuffer; }
Category* copiedCategory() { return &categoryBuffer; }
bool isCameraSetCopied() { return cameraSetBuffer.numberOfCategories >= 1; }
bool isCameraCopied() { return cameraBuffer.name[0] != '\0'; }
bool isCategoryCopied() { return categoryBuffer.name[0] != '\0'; }

void emptyCopyBuffersOnce() {
    if (!firstConstruction) {
        return;
    }
    firstConstruction = false;
    emptyCopyBuffers();
}

void forgetCopyBuffers() {
    emptyCopyBuffers();
    firstConstruction = true;
}

std::string copyName(const char* name) {
    return (std::string("(Copy of) ") + name).substr(0, kMaxNameLength);
}
