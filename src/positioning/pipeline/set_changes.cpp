#include "positioning/pipeline/set_changes.h"

#include "cameras/set/camera_set_listeners.h"
#include "positioning/commands/movement.h"
#include "positioning/integration/script_offsets.h"
#include "positioning/pipeline/camera_control.h"

namespace {
void hear(CameraSetEvent event, Camera* camera) {
    switch (event) {
        case CameraSetEvent::Replacing:
            stopAnimationRequest();
            break;
        case CameraSetEvent::KeepView:
            setCurrentFreeCamera(camera);
            break;
        case CameraSetEvent::Read:
            clearScriptEffectOffsets();
            break;
    }
}
}  // namespace

void listenToCameraSet() { addCameraSetListener(hear); }

void stopListeningToCameraSet() { removeCameraSetListener(hear); }
