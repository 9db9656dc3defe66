// What the joystick axes do to the view and the camera every frame.
#include "cameras/set/camera.h"
#include "scene/engine_datarefs.h"
#include "positioning/input/joystick_axes.h"
#include "positioning/commands/movement.h"
#include "positioning/commands/movement_speeds.h"
#include "scene/rotation.h"
#include "shell/angles.h"

namespace {
// Metres per frame at full deflection, in units of the movement step.
const float kAxisMoveScale = 2.5f;

float motionValue(int motion) {
    float v = 0.0f;
    getAxisValue(getCameraMotionAxisAssignment(motion), &v);
    return v;
}

float headingForMotion(const Camera* camera) {
    if (camera->cineflex) {
        return fixAngle(camera->heading - XPLMGetDataf(engineDataRefs().planePsi));
    }
    return camera->heading;
}
}  // namespace

void checkViewAxis(CameraPosition* pose, Camera* camera) {
    if (isAxisCalibrationActive()) {
        return;
    }
    // In circle view the heading and pitch axes move the camera round its origin.
    if (camera->circleView && !camera->enableCameraAxis) {
        checkCameraAxis(camera);
        return;
    }
    // Full deflection looks 180 degrees away; an offset, not accumulated.
    pose->heading += motionValue(0) * 180.0f;
    pose->pitch += motionValue(1) * 180.0f;
}

void checkCameraAxis(Camera* camera) {
    if (isAxisCalibrationActive()) {
        return;
    }
    float m = movementStep();
    float r = rotationStep();
    bool circleAxes = camera->circleView && camera->enableViewAxis;
    CameraPosition d;
    for (int motion = 0; motion < kAxisRoles; ++motion) {
        if (motion == 2) {
            continue;  // zoom is read by camera control
        }
        float v = motionValue(motion);
        switch (motion) {
            case 0:
                if (circleAxes) {
                    d.x = m * v * kAxisMoveScale;
                } else if (!camera->enableViewAxis) {
                    cameraMovePSI += v * r;
                }
                break;
            case 1:
                if (circleAxes) {
                    d.y = m * v * kAxisMoveScale;
                } else if (!camera->enableViewAxis) {
                    cameraMoveTHE += v * r;
                }
                break;
            case 3:
                if (camera->enableCameraAxis) d.x = m * v * kAxisMoveScale;
                break;
            case 4:
                if (camera->enableCameraAxis) d.y = -(m * v * kAxisMoveScale);
                break;
            default:
                if (camera->enableCameraAxis) d.z = m * v * kAxisMoveScale;
                break;
        }
    }
    if (!camera->circleView) {
        rotate3D(&d, camera->pitch, 0, 0);
        rotate3D(&d, 0, headingForMotion(camera), 0);
    }
    cameraMoveX += d.x;
    cameraMoveY += d.y;
    cameraMoveZ += d.z;
}
