// The accessors behind the integration datarefs. X-Plane hands the dataref's
// index as reference constant.
#include <cmath>
#include <cstdint>

#include "cameras/set/camera_set.h"
#include "cameras/set/free_camera.h"
#include "positioning/integration/integration_datarefs.h"
#include "positioning/integration/integration_status.h"
#include "positioning/integration/integration_values.h"
#include "positioning/input/joystick_axes.h"
#include "shell/plugin_state.h"

namespace {
enum Index {
    kEnabled = 0, kXPRealistic = 1, kRealView = 2, kHeadtrackingPresent = 9,
    kCameraX = 16, kCameraRoll = 21, kCameraStatus = 22, kMotionAxes = 23, kScriptId = 24,
    kOverallStatus = 31, kSelectedCamera = 32,
};
const int kMotionCount = 6;

int indexOf(void* refcon) { return static_cast<int>(reinterpret_cast<intptr_t>(refcon)); }

int* storedInt(int index) {
    IntegrationValues* v = getIntegrationValues();
    switch (index) {
        case kXPRealistic: return &v->xpRealisticPresent;
        case kRealView: return &v->realViewPresent;
        case kHeadtrackingPresent: return &v->headtrackingPresent;
        default: return nullptr;
    }
}

float* storedFloat(int index) {
    IntegrationValues* v = getIntegrationValues();
    float* const slots[] = {
        &v->xOffset, &v->yOffset, &v->zOffset, &v->pitchOffset, &v->headingOffset,
        &v->rollOffset, &v->headtrackingXOffset, &v->headtrackingYOffset,
        &v->headtrackingZOffset, &v->headtrackingPitchOffset, &v->headtrackingHeadingOffset,
        &v->headtrackingRollOffset, &v->effectScriptXOffset, &v->effectScriptYOffset,
        &v->effectScriptZOffset, &v->effectScriptPitchOffset, &v->effectScriptHeadingOffset,
        &v->effectScriptRollOffset,
    };
    if (index >= 3 && index <= 8) return slots[index - 3];
    if (index >= 10 && index <= 15) return slots[index - 10 + 6];
    if (index >= 25 && index <= 30) return slots[index - 25 + 12];
    return nullptr;
}

// How many elements a request may touch: none for a negative offset, an offset
// past the end or a non-positive count; never more than asked for.
int elementsInRange(int size, int offset, int count) {
    if (offset < 0 || offset >= size || count <= 0) {
        return 0;
    }
    return count < size - offset ? count : size - offset;
}

float* cameraField(Camera* camera, int index) {
    float* const fields[] = {&camera->x,       &camera->y,     &camera->z,
                             &camera->heading, &camera->pitch, &camera->roll};
    return fields[index - kCameraX];
}
}  // namespace

int getDatarefInt(void* refcon) {
    int index = indexOf(refcon);
    switch (index) {
        case kEnabled: return isEnabled() ? getIntegrationValues()->oviluxEnabled : 0;
        case kScriptId: {
            Camera* camera = isEnabled() ? getCurrentCamera() : nullptr;
            return camera != nullptr ? camera->scriptId : 0;
        }
        case kOverallStatus: return overallCameraStatus();
        case kSelectedCamera: return selectedCameraNumber();
        default: {
            int* slot = storedInt(index);
            return slot != nullptr ? *slot : 0;
        }
    }
}

void setDatarefInt(void* refcon, int value) {
    int index = indexOf(refcon);
    if (index == kSelectedCamera) {
        selectCameraNumber(value);
        return;
    }
    if (int* slot = storedInt(index)) {
        *slot = value;
    }
}

float getDatarefFloat(void* refcon) {
    float* slot = storedFloat(indexOf(refcon));
    return slot != nullptr ? *slot : 0.0f;
}

// Another plug-in's NaN or infinity would end up in the pose: it is ignored
// and the offset keeps its last value.
void setDatarefFloat(void* refcon, float value) {
    if (!std::isfinite(value)) {
        return;
    }
    if (float* slot = storedFloat(indexOf(refcon))) {
        *slot = value;
    }
}

int getDatarefFloats(void* refcon, float* values, int offset, int count) {
    int index = indexOf(refcon);
    if (index < kCameraX || index > kCameraRoll) {
        return 0;
    }
    if (values == nullptr) {
        return kViewIdArraySize;
    }
    int n = elementsInRange(kViewIdArraySize, offset, count);
    bool on = isEnabled() != 0;
    for (int i = 0; i < n; ++i) {
        Camera* camera = on ? getCameraByViewID(offset + i) : nullptr;
        values[i] = camera != nullptr ? *cameraField(camera, index) : 0.0f;
    }
    return n;
}

void setDatarefFloats(void* refcon, float* values, int offset, int count) {
    int index = indexOf(refcon);
    if (index < kCameraX || index > kCameraRoll || values == nullptr || !isEnabled()) {
        return;
    }
    int n = elementsInRange(kViewIdArraySize, offset, count);
    for (int i = 0; i < n; ++i) {
        Camera* camera = getCameraByViewID(offset + i);
        if (camera == nullptr || !std::isfinite(values[i])) {
            continue;
        }
        *cameraField(camera, index) = values[i];
        if (camera->freeCamera && index <= kCameraX + 2) {
            updateFreeCameraLatLon(camera);
        }
    }
}

int getDatarefInts(void* refcon, int* values, int offset, int count) {
    int index = indexOf(refcon);
    int size = index == kCameraStatus ? kViewIdArraySize : index == kMotionAxes ? kMotionCount : 0;
    if (size == 0) {
        return 0;
    }
    if (values == nullptr) {
        return size;
    }
    int n = elementsInRange(size, offset, count);
    for (int i = 0; i < n; ++i) {
        values[i] = index == kCameraStatus ? viewIdCameraStatus(offset + i)
                                           : getCameraMotionAxisAssignment(offset + i);
    }
    return n;
}

void setDatarefInts(void* refcon, int* values, int offset, int count) {
    if (indexOf(refcon) != kMotionAxes || values == nullptr) {
        return;
    }
    int n = elementsInRange(kMotionCount, offset, count);
    for (int i = 0; i < n; ++i) {
        if (values[i] >= -5 && values[i] <= 5) {
            setCameraMotionAxisAssignment(offset + i, values[i]);
        }
    }
}
