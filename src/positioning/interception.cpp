#include "positioning/interception.h"

#include "positioning/camera_control.h"
#include "positioning/fov.h"
#include "positioning/integration_values.h"
#include "positioning/movement.h"
#include "positioning/pipeline.h"

void registerPositionCommands() {
    resetPipeline();
    captureDefaultFov();
    getIntegrationValues()->oviluxEnabled = 1;
}

void unRegisterPositionCommands() {
    getIntegrationValues()->oviluxEnabled = 0;
    stopAllMovement();
    setFov(getDefaultFOV());
    controlCamera(false, nullptr);
    releaseDefaultFov();
}
