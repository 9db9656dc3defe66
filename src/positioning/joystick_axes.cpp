#include "positioning/joystick_axes.h"

namespace {
int cameraMotionAxisAssignments[6] = {0, 1, 2, 3, 4, 5};
bool calibrationActive = false;
}  // namespace

void resetCameraMotionAxisAssignments() {
    for (int i = 0; i < 6; ++i) {
        cameraMotionAxisAssignments[i] = i;
    }
}

int getCameraMotionAxisAssignment(int motion) {
    return motion >= 0 && motion < 6 ? cameraMotionAxisAssignments[motion] : 0;
}

void findViewCameraAxisAssignments() {}

bool getAxisValue(int, float* value) {
    *value = 0.0f;
    return false;
}

void checkViewAxis(CameraPosition*, Camera*) {}

void checkCameraAxis(Camera*) {}

bool isAxisCalibrationActive() { return calibrationActive; }

void setAxisCalibrationActive(bool active) { calibrationActive = active; }
