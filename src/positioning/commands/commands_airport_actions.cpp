#include "positioning/commands/commands_airport_actions.h"

#include "cameras/generators/airport_camera_generator.h"
#include "positioning/pipeline/airport_toggle.h"
#include "positioning/commands/commands.h"
#include "positioning/commands/commands_table.h"

namespace {
void selectNearest(int automatic) {
    setAutoSelectNearestAirportCamera(automatic);
    selectCLosestAirportCamera();
}

// Back to the aircraft's set, or on to the nearest airport's and its nearest
// camera.
void toggleToNearest(int automatic) {
    toggleAirportCameras();
    if (isAirportCameraFile()) {
        selectNearest(automatic);
    }
}
}  // namespace

void runAirportCommand(int index) {
    switch (index) {
        case kCmdToggleAirportCameras: toggleAirportCameras(); break;
        case kCmdSelectNearestAirportCamera: selectNearest(0); break;
        case kCmdToggleNearestAirportCamera: toggleToNearest(0); break;
        case kCmdAutoSelectNearestAirportCamera: selectNearest(1); break;
        case kCmdToggleAutoNearestAirportCamera: toggleToNearest(1); break;
        default: break;
    }
}
