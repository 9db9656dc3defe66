#include "positioning/commands/interception.h"

#include <cstdint>

#include "positioning/pipeline/camera_control.h"
#include "positioning/commands/commands_registration.h"
#include "positioning/commands/commands_view_select.h"
#include "positioning/commands/glance.h"
#include "scene/fov.h"
#include "positioning/integration/integration_values.h"
#include "positioning/commands/interception_table.h"
#include "positioning/commands/movement.h"
#include "positioning/pipeline/pipeline.h"

namespace {
// Null where the running X-Plane lacks the command.
XPLMCommandRef X_PlaneCommandRefs[kXPlaneCommandCount] = {};

void* refcon(int index) { return reinterpret_cast<void*>(static_cast<intptr_t>(index)); }
}  // namespace

void registerPositionCommands() {
    for (int i = 0; i < kXPlaneCommandCount; ++i) {
        X_PlaneCommandRefs[i] = XPLMFindCommand(X_PlaneCommands[i]);
        registerCommandHandlerOnce(X_PlaneCommandRefs[i], X_PlaneCommandHandler, 1, refcon(i));
    }
    resetPipeline();
    captureDefaultFov();
    getIntegrationValues()->oviluxEnabled = 1;
}

void unRegisterPositionCommands() {
    getIntegrationValues()->oviluxEnabled = 0;
    stopAllMovement();
    // The release of a glance held now would not reach the plug-in, and a
    // momentary key's belongs to the session that saw its press.
    cancelGlance();
    forgetMomentaryKeys();
    setFov(getDefaultFOV());
    for (int i = 0; i < kXPlaneCommandCount; ++i) {
        if (X_PlaneCommandRefs[i] != nullptr) {
            XPLMUnregisterCommandHandler(X_PlaneCommandRefs[i], X_PlaneCommandHandler, 1,
                                         refcon(i));
            X_PlaneCommandRefs[i] = nullptr;
        }
    }
    controlCamera(false, nullptr);
    releaseDefaultFov();
}
