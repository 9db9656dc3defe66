#include "positioning/input/mouse_move.h"

#include <algorithm>
#include <cmath>

#include "cameras/set/camera.h"
#include "positioning/commands/camera_movement.h"
#include "scene/engine_datarefs.h"
#include "positioning/input/mouse_scale.h"
#include "scene/pose_angles.h"
#include "positioning/commands/movement.h"
#include "positioning/transitions/smoother.h"
#include "shell/angles.h"
#include "shell/settings.h"
#include "xplane/sdk.h"

namespace {
int cuurentMouseMoveType = 0;
int lastScreenX = 0;
int lastScreenY = 0;
bool scaleValid = false;
MouseScale scale;
Smoother xSmoother;
Smoother ySmoother;

// The camera's own range, not the one the last command chose.
float movementSpeed(const Camera* camera) {
    const Settings* s = getSettings();
    const float speeds[4] = {s->SMALL_MOVEMENT_SPEED, s->MEDIUM_MOVEMENT_SPEED,
                             s->LARGE_MOVEMENT_SPEED, s->VERY_LARGE_MOVEMENT_SPEED};
    int range = std::clamp(camera->initialMovementRange, 0, 3);
    return getWalkMode() ? speeds[range] / 1000.0f : speeds[range];
}

float headingForMotion(const Camera* camera) {
    if (camera->cineflex)
        return fixAngle(camera->heading - XPLMGetDataf(engineDataRefs().planePsi));
    return camera->heading;
}
}  // namespace

void mouseMove(int type) {
    cuurentMouseMoveType = type;
    XPLMGetMouseLocationGlobal(&lastScreenX, &lastScreenY);
    int window = getSettings()->MOUSE_SMOOTHING_FACTOR;
    initSmoother(&xSmoother);
    initSmoother(&ySmoother);
    primeSmoother(&xSmoother, window, 0);
    primeSmoother(&ySmoother, window, 0);
    scaleValid = readMouseScale(&scale);
}

int getMouseMoveType() { return cuurentMouseMoveType; }

void checkMouseMove(Camera* camera) {
    if (cuurentMouseMoveType == 0 || !camera) return;
    // Begun with no display yet: the first frame with a screen starts the scale.
    if (!scaleValid && !(scaleValid = readMouseScale(&scale))) return;
    float s = movementSpeed(camera);
    float h = radians(headingForMotion(camera));
    float p = radians(camera->pitch);
    float sinH = std::sin(h), cosH = std::cos(h), sinP = std::sin(p), cosP = std::cos(p);

    int x = 0;
    int y = 0;
    XPLMGetMouseLocationGlobal(&x, &y);
    int window = getSettings()->MOUSE_SMOOTHING_FACTOR;
    float dx = smoothValue(&xSmoother, window, static_cast<float>(x - lastScreenX));
    float dy = smoothValue(&ySmoother, window, static_cast<float>(y - lastScreenY));
    int type = cuurentMouseMoveType;
    if (type == 1 || type == 2) {
        dx *= s;
        dy *= s;
    }
    if (!getWalkMode()) {
        switch (type) {
            case 1:
                camera->x += cosP * (sinH * dy + cosH * dx);
                camera->z -= cosP * (cosH * dy - sinH * dx);
                camera->y += sinP * dy;
                break;
            case 2:
                camera->x += cosH * dx;
                camera->z += sinH * dx;
                camera->y += dy;
                break;
            case 3:
                camera->heading = calculateNewAngle(camera->heading, dx * scale.headingPerPixel);
                camera->pitch = calculateNewAngle(camera->pitch, dy * scale.pitchPerPixel);
                break;
            case 4: camera->externalZoom = std::max(1.0f, camera->externalZoom + dy * 0.01f); break;
            default: break;
        }
    } else {
        switch (type) {
            case 1:
                setCameraMovement(cosP * (sinH * dy + cosH * dx), sinP * dy,
                                  -cosP * (cosH * dy - sinH * dx), 0, 0);
                break;
            case 2: setCameraMovement(cosH * dx, dy, sinH * dx, 0, 0); break;
            case 3:
                setCameraMovement(0, 0, 0, dx / (2.0f * scale.screenWidth),
                                  dy / (2.0f * scale.screenHeight));
                break;
            default: break;
        }
    }
    lastScreenX = x;
    lastScreenY = y;
}
