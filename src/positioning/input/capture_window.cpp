#include "positioning/input/capture_window.h"

#include <algorithm>

#include "cameras/set/camera.h"
#include "cameras/set/camera_set.h"
#include "positioning/pipeline/camera_control.h"
#include "positioning/input/circle_view_mouse.h"
#include "positioning/input/mouse_buttons.h"
#include "positioning/input/mouse_look.h"
#include "positioning/commands/movement.h"
#include "positioning/transitions/smoother.h"
#include "positioning/pipeline/view_modes.h"
#include "shell/plugin_state.h"
#include "shell/settings.h"

namespace {
// X-Plane's size of XPLMCreateWindow_t on 64-bit systems.
const int kCreateWindowStructSize = 88;

XPLMWindowID overlayWindow = nullptr;
int smoothedMouseX = 0;
int smoothedMouseY = 0;
bool smoothersPrimed = false;
Smoother xSmoother;
Smoother ySmoother;
bool continuousCircleMouse = false;
int pressX = 0;
int pressY = 0;

Camera* circleViewCamera() {
    if (!isEnabled() || !isFreeCamera()) return nullptr;
    Camera* camera = getCurrentCamera();
    return camera && camera->circleView ? camera : nullptr;
}

void changeZoom(Camera* camera, int clicks) {
    float zoom = camera->externalZoom + 0.05f * static_cast<float>(clicks);
    camera->externalZoom = std::max(1.0f, zoom);
}
}  // namespace

static_assert(sizeof(XPLMCreateWindow_t) == kCreateWindowStructSize || sizeof(void*) != 8,
              "the window record must match X-Plane's");

void manageMasterCaptureWindow(bool destroy) {
    if (!destroy && !overlayWindow) {
        XPLMCreateWindow_t params{};
        params.structSize = kCreateWindowStructSize;
        XPLMGetScreenBoundsGlobal(&params.left, &params.top, &params.right, &params.bottom);
        params.visible = 1;
        params.drawWindowFunc = handleMasterCaptureDrawWindow;
        params.handleMouseClickFunc = handleMasterCaptureMouseClick;
        params.handleKeyFunc = handleMasterCaptureKey;
        params.handleCursorFunc = handleMasterCaptureCursor;
        params.handleMouseWheelFunc = handleMasterCaptureMouseWheel;
        params.refcon = nullptr;
        params.decorateAsFloatingWindow = xplm_WindowDecorationNone;
        params.layer = xplm_WindowLayerFlightOverlay;
        params.handleRightClickFunc = handleMasterCaptureRightMouseClick;
        overlayWindow = XPLMCreateWindowEx(&params);
        // Keeps covering the screen when X-Plane's window is resized.
        if (overlayWindow) XPLMSetWindowGravity(overlayWindow, 0, 1, 1, 0);
    } else if (destroy && overlayWindow) {
        XPLMDestroyWindow(overlayWindow);
        overlayWindow = nullptr;
        continuousCircleMouse = false;
        endMouseLookPause();
    }
    rightMouseStatus(kRightMouseReleased);
}

XPLMWindowID getMasterCaptureWindow() { return overlayWindow; }

void handleMasterCaptureDrawWindow(XPLMWindowID, void*) {
    int x = 0;
    int y = 0;
    XPLMGetMouseLocationGlobal(&x, &y);
    int window = getSettings()->MOUSE_SMOOTHING_FACTOR;
    if (!smoothersPrimed) {
        initSmoother(&xSmoother);
        initSmoother(&ySmoother);
        primeSmoother(&xSmoother, window, static_cast<float>(x));
        primeSmoother(&ySmoother, window, static_cast<float>(y));
        smoothersPrimed = true;
    }
    smoothedMouseX = static_cast<int>(smoothValue(&xSmoother, window, static_cast<float>(x)));
    smoothedMouseY = static_cast<int>(smoothValue(&ySmoother, window, static_cast<float>(y)));
    if (!isEnabled()) {
        continuousCircleMouse = false;
        endMouseLookPause();
        return;
    }
    if (continuousCircleMouse && circleViewCamera())
        processCircleView(smoothedMouseX, smoothedMouseY, 2);
}

int handleMasterCaptureMouseClick(XPLMWindowID, int, int, XPLMMouseStatus, void*) { return 0; }

bool shouldPassThroughRightClick() {
    if (!isEnabled()) return true;
    Camera* camera = getCurrentCamera();
    if (!camera) return true;
    if (is3DCockpit() && !camera->external) return false;
    if (!isFreeCamera() || !camera->external) return true;
    return isCameraControlLost();
}

int handleMasterCaptureRightMouseClick(XPLMWindowID, int, int, XPLMMouseStatus status, void*) {
    if (shouldPassThroughRightClick()) {
        rightMouseStatus(kRightMouseReleased);
        return 0;
    }
    if (circleViewCamera()) {
        // Orbiting, not looking.
        rightMouseStatus(kRightMouseReleased);
        if (status == xplm_MouseDown) {
            if (!continuousCircleMouse) {
                pressX = smoothedMouseX;
                pressY = smoothedMouseY;
                processCircleView(smoothedMouseX, smoothedMouseY, 1);
                continuousCircleMouse = true;
            } else {
                continuousCircleMouse = false;
            }
        } else if (status == xplm_MouseDrag) {
            if (smoothedMouseX != pressX || smoothedMouseY != pressY) continuousCircleMouse = false;
            processCircleView(smoothedMouseX, smoothedMouseY, 2);
        }
        return 1;
    }
    if (status == xplm_MouseUp) rightMouseStatus(kRightMouseReleased);
    else if (status == xplm_MouseDown) rightMouseStatus(kRightMousePressed);
    return 1;
}

int handleMasterCaptureMouseWheel(XPLMWindowID, int, int, int, int clicks, void*) {
    if (!isEnabled() || !isFreeCamera() || isCameraControlLost()) return 0;
    Camera* camera = getCurrentCamera();
    if (!camera || !camera->external) return 0;
    if (!camera->circleView) {
        if (camera->disable3DCockpitZoom) return 0;
        changeZoom(camera, clicks);
    } else if (getSettings()->CIRCLE_VIEW_WHEEL_ZOOM) {
        changeZoom(camera, clicks);
    } else {
        positionCamera(clicks >= 1 ? 0 : 1, 0);
    }
    return 1;
}

void handleMasterCaptureKey(XPLMWindowID, char, XPLMKeyFlags, char, void*, int) {}

XPLMCursorStatus handleMasterCaptureCursor(XPLMWindowID, int, int, void*) {
    return xplm_CursorDefault;
}

int getSmoothedMouseX() { return smoothedMouseX; }
int getSmoothedMouseY() { return smoothedMouseY; }
bool getContinuousCircleMouse() { return continuousCircleMouse; }
