#include "positioning/commands/commands.h"

#include "cameras/set/camera_origin.h"
#include "cameras/set/camera_set.h"
#include "scene/ai_view.h"
#include "positioning/commands/commands_registration.h"
#include "scene/engine_datarefs.h"
#include "positioning/transitions/frame_rate.h"

namespace {
int autoSelectNearestAirportCamera = 0;
}  // namespace

void initPositionEngine() {
    findEngineDataRefs();
    createPositionCommands();
    primeFrameRateSmoother();
    setAiScale(1.0f);
    registerAiReferencePoint();
}

void setAutoSelectNearestAirportCamera(int on) { autoSelectNearestAirportCamera = on; }

bool getAutoSelectNearestAirportCamera() {
    return autoSelectNearestAirportCamera != 0 && isAirportCameraFile();
}

bool isAirportCameraFile() {
    GlobalCameraFileNameEntry* active = getCurrentActiveCameraFile();
    return active != nullptr && active->fileType == kAirportCameraFile;
}
