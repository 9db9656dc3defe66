#include "cameras/pending_engine_hooks.h"

#include "cameras/camera.h"
#include "panels/panels.h"
#include "positioning/engine_datarefs.h"
#include "xplane/sdk.h"

namespace {
int resetViewModes = 0;
Camera* currentFreeCamera = nullptr;
Camera reselectedCamera;
bool reselectedCameraArmed = false;
const int kQueryControlPanelVisible = 5;
}  // namespace

void setResetViewModes() { resetViewModes = 1; }

int getResetViewModes() { return resetViewModes; }

void clearResetViewModes() { resetViewModes = 0; }

Camera* restoreSameCamera(Camera* camera) {
    if (camera == nullptr) {
        if (!reselectedCameraArmed) {
            return nullptr;
        }
        reselectedCameraArmed = false;
        return &reselectedCamera;
    }
    reselectedCamera = *camera;
    reselectedCameraArmed = camera->smoothTransition || camera->linearTransition;
    camera->x = camera->savedPosition.x;
    camera->y = camera->savedPosition.y;
    camera->z = camera->savedPosition.z;
    camera->heading = camera->savedPosition.heading;
    camera->pitch = camera->savedPosition.pitch;
    return nullptr;
}

void setCurrentFreeCamera(Camera* camera) { currentFreeCamera = camera; }

Camera* getCurrentFreeCamera() { return currentFreeCamera; }

float getDefaultFOV() {
    XPLMDataRef fieldOfView = engineDataRefs().fieldOfView;
    return fieldOfView != nullptr ? XPLMGetDataf(fieldOfView) : 60.0f;
}

void clearScriptEffectOffsets() {}

bool isControlPanelVisable() { return showNewControlPanel(kQueryControlPanelVisible); }
