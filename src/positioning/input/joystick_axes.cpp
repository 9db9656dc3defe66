#include "positioning/input/joystick_axes.h"

#include <cmath>
#include <cstdlib>

#include "scene/engine_datarefs.h"
#include "positioning/transitions/smoother.h"
#include "shell/host_info.h"
#include "shell/settings.h"

namespace {
struct ViewAxis {
    int available = 0;
    int moved = 0;
    int axisIndex = 0;
    int reverse = 0;
    float minimum = 0;
    float maximum = 0;
    float centre = 0;
    float rest = 0;
};

const int kZoomRole = 2;
const int kAssignmentCount = 500;
// A raw axis counts as moved once it leaves its rest value by more than this.
const float kRestTolerance = 0.02f;

ViewAxis viewAxis[kAxisRoles];
Smoother viewSmoothers[kAxisRoles];
bool calibrationActive = false;
int cameraMotionAxisAssignments[kAxisRoles] = {0, 1, 2, 3, 4, 5};

bool mappedAxes() { return getXPlaneVersion() >= 11000; }

int mappedIndex(int role) {
    bool beforeTen = getXPlaneVersion() < 10000;
    const int indexes[kAxisRoles] = {beforeTen ? 40 : 41, beforeTen ? 41 : 42, 43, 44, 45, 46};
    return indexes[role];
}

int readInt(XPLMDataRef ref, int index) {
    int value = 0;
    return ref != nullptr && XPLMGetDatavi(ref, &value, index, 1) == 1 ? value : 0;
}

float readFloat(XPLMDataRef ref, int index) {
    float value = 0;
    return ref != nullptr && XPLMGetDatavf(ref, &value, index, 1) == 1 ? value : 0.0f;
}

float roleCentre(int role) {
    const Settings* s = getSettings();
    const float centres[kAxisRoles] = {s->VIEW_AXIS_HEADING_CENTER,   s->VIEW_AXIS_PITCH_CENTER,
                                       s->VIEW_AXIS_ZOOM_CENTER,      s->VIEW_AXIS_CAMERA_LR_CENTER,
                                       s->VIEW_AXIS_CAMERA_UD_CENTER, s->VIEW_AXIS_CAMERA_FB_CENTER};
    return centres[role];
}

// Older X-Plane versions have no mapped camera axes: raw axes are found by the
// assignment type the user gave them.
void findRawCameraAxes(const int* assignments, int count) {
    const EngineDataRefs& refs = engineDataRefs();
    bool found[kAxisRoles] = {};
    for (int j = 0; j < count; ++j) {
        int role = assignments[j] - 41;  // 44, 45, 46 are roles 3, 4, 5
        if (role < 3 || role > 5 || found[role]) {
            continue;
        }
        found[role] = true;
        ViewAxis& a = viewAxis[role];
        a.axisIndex = j;
        a.reverse = readInt(refs.joystickAxisReverse, j);
        a.minimum = readFloat(refs.joystickAxisMinimum, j);
        a.maximum = readFloat(refs.joystickAxisMaximum, j);
        a.centre = a.minimum + (a.maximum - a.minimum) / 2.0f;
        if (std::fabs(a.maximum - a.minimum) > 0.5f) {
            a.available = 1;
            a.rest = readFloat(refs.joystickAxisValues, j);
        }
    }
}
}  // namespace

void resetCameraMotionAxisAssignments() {
    for (int i = 0; i < kAxisRoles; ++i) {
        cameraMotionAxisAssignments[i] = i;
    }
}

int getCameraMotionAxisAssignment(int motion) {
    return motion >= 0 && motion < kAxisRoles ? cameraMotionAxisAssignments[motion] : 0;
}

void setCameraMotionAxisAssignment(int motion, int role) {
    if (motion >= 0 && motion < kAxisRoles) {
        cameraMotionAxisAssignments[motion] = role;
    }
}

void findViewCameraAxisAssignments() {
    static int assignments[kAssignmentCount];
    XPLMDataRef ref = engineDataRefs().joystickAxisAssignments;
    int count = ref != nullptr ? XPLMGetDatavi(ref, assignments, 0, kAssignmentCount) : 0;
    if (count < 0 || count > kAssignmentCount) {
        count = 0;
    }
    for (int role = 0; role < kAxisRoles; ++role) {
        viewAxis[role] = ViewAxis();
        initSmoother(&viewSmoothers[role]);
    }
    if (!mappedAxes()) {
        findRawCameraAxes(assignments, count);
    }
}

bool checkAxisAvialable(int role) {
    if (role < 0 || role >= kAxisRoles) {
        return false;
    }
    ViewAxis& a = viewAxis[role];
    if (!mappedAxes() && role >= 3) {
        return a.available != 0;
    }
    a.axisIndex = mappedIndex(role);
    a.moved = readInt(engineDataRefs().joyMappedAxisAvail, a.axisIndex);
    if (a.moved != 0) {
        a.available = 1;
        a.minimum = -1.0f;
        a.maximum = 1.0f;
        a.centre = 0.0f;
        a.reverse = 0;
    } else if (a.available) {
        // Unmapped in X-Plane: the axis stops at once, and a later mapping
        // starts without the values smoothed before.
        a.available = 0;
        initSmoother(&viewSmoothers[role]);
    }
    return a.available != 0;
}

bool getAxisValue(int role, float* value) {
    *value = 0.0f;
    bool reversed = role < 0;
    role = std::abs(role);
    if (role >= kAxisRoles) {
        return false;
    }
    ViewAxis& a = viewAxis[role];
    bool mapped = mappedAxes() || role <= kZoomRole;
    // X-Plane may map or unmap an axis at any time.
    if (mapped) {
        checkAxisAvialable(role);
    }
    if (!a.available) {
        return false;
    }
    const EngineDataRefs& refs = engineDataRefs();
    float v = 0.0f;
    if (mapped) {
        v = readFloat(refs.joyMappedAxisValue, a.axisIndex);
    } else {
        v = readFloat(refs.joystickAxisValues, a.axisIndex);
        if (!a.moved) {
            // A resting axis may sit anywhere; it only counts once the user moves it.
            if (std::fabs(v - a.rest) <= kRestTolerance) {
                return false;
            }
            a.moved = 1;
            a.reverse = readInt(refs.joystickAxisReverse, a.axisIndex);
        }
    }
    if (role >= 3) {
        v = (v - 0.5f) * 2.0f;
    } else if (role == kZoomRole) {
        v = 1.0f - v;
    }
    const Settings* s = getSettings();
    if (role != kZoomRole) {
        v -= roleCentre(role);
        if (std::fabs(v) < s->VIEW_AXIS_NULL_ZONE) {
            v = 0.0f;
        }
    }
    v = smoothValue(&viewSmoothers[role], s->VIEW_AXIS_SMOOTHING_FACTOR, v);
    if (a.reverse) {
        v = -v;
    }
    if (reversed) {
        v = -v;
    }
    *value = v;
    return true;
}

float zoomFromAxis(float value) {
    // A reversed zoom axis would otherwise give a zoom below 1, even negative.
    float zoom = 1.0f + std::tan(value * 89.5f * static_cast<float>(M_PI) / 180.0f);
    return zoom < 1.0f ? 1.0f : zoom;
}

bool isAxisCalibrationActive() { return calibrationActive; }

void setAxisCalibrationActive(bool active) { calibrationActive = active; }
