#include "positioning/commands/camera_movement.h"

#include <algorithm>

#include "cameras/set/camera.h"
#include "cameras/set/camera_set.h"
#include "cameras/set/free_camera.h"
#include "positioning/commands/movement.h"
#include "scene/rotation.h"
#include "positioning/transitions/smoother.h"
#include "shell/angles.h"
#include "shell/settings.h"
#include "shell/value_ranges.h"

namespace {
Smoother movementSmoothers[5];

float smoothedStep(Smoother* s, int window, float value) {
    if (value != 0.0f) {
        // A step is spread over the following frames, falling off linearly.
        primeSmoother(s, window, value / 3.0f);
    }
    return smoothValue(s, window, 0.0f);
}

void moveCircleView(Camera* camera, const CameraPosition* delta) {
    CameraPosition p;
    p.x = camera->x;
    p.y = camera->y;
    p.z = camera->z;
    rotate3D(&p, 0, 360.0f - camera->heading, 0);
    p.y += delta->y;
    p.z += delta->z;
    rotate3D(&p, 0, camera->heading - delta->x, 0);
    camera->x = p.x;
    camera->z = p.z;
    camera->y = p.y;
}

// A camera moved past what its file keeps would be saved and then refused
// when read back: it stops at the file's bound.
void keepWithinFile(Camera* camera) {
    const ValueRange& range = valueRange(ValueKind::Offset);
    float lowest = static_cast<float>(range.min);
    float highest = static_cast<float>(range.max);
    camera->x = std::clamp(camera->x, lowest, highest);
    camera->y = std::clamp(camera->y, lowest, highest);
    camera->z = std::clamp(camera->z, lowest, highest);
}
}  // namespace

void setCameraMovement(float dx, float dy, float dz, float dHeading, float dPitch) {
    cameraMoveX += dx;
    cameraMoveY += dy;
    cameraMoveZ += dz;
    cameraMovePSI += dHeading;
    cameraMoveTHE += dPitch;
}

void adjustNewOffsets(Camera* camera) {
    int window = getSettings()->MOVEMENT_SMOOTHING_FACTOR;
    float d[5] = {cameraMoveX, cameraMoveY, cameraMoveZ, cameraMovePSI, cameraMoveTHE};
    bool raw = continuousMove || window <= 2 || camera->enableCameraAxis || camera->enableViewAxis;
    if (!raw) {
        for (int i = 0; i < 5; ++i) {
            d[i] = smoothedStep(&movementSmoothers[i], window, d[i]);
        }
    }
    if (!continuousMove) {
        cameraMoveX = 0;
        cameraMoveY = 0;
        cameraMoveZ = 0;
        cameraMovePSI = 0;
        cameraMoveTHE = 0;
    }
    bool moved = d[0] != 0.0f || d[1] != 0.0f || d[2] != 0.0f || d[3] != 0.0f || d[4] != 0.0f;
    if (!moved) {
        return;
    }
    if (camera->circleView) {
        CameraPosition delta;
        delta.x = d[0];
        delta.y = d[1];
        delta.z = d[2];
        moveCircleView(camera, &delta);
    } else {
        camera->x += d[0];
        camera->y += d[1];
        camera->z += d[2];
        camera->heading = fixAngle(camera->heading + d[3]);
        camera->pitch = fixAngle(camera->pitch + d[4]);
    }
    keepWithinFile(camera);
    // Only a move changes the world point; on other frames the local position
    // may be stale (X-Plane's local origin moves) and must not overwrite it.
    if (camera->freeCamera) {
        updateFreeCameraLatLon(camera);
    }
}

void adjustCircleView(const CameraPosition* delta) {
    Camera* camera = getCurrentCamera();
    if (camera != nullptr && camera->circleView) {
        moveCircleView(camera, delta);
        keepWithinFile(camera);
    }
}
