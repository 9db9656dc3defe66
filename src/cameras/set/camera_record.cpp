#include <cstring>

#include "cameras/set/camera.h"

void initCamera(Camera* camera) {
    camera->name[0] = 0;
    camera->viewId = 0;
    camera->latitude = 0;
    camera->longitude = 0;
    camera->elevation = 0;
    camera->x = 0;
    camera->y = 0;
    camera->z = 0;
    camera->heading = 0;
    camera->pitch = 0;
    camera->roll = 0;
    camera->zoom = 1.0f;
    camera->externalZoom = 1.0f;
    camera->fov = 0;
    camera->enableFov = false;
    camera->minTrackIR.x = 0;
    camera->minTrackIR.y = 0;
    camera->minTrackIR.z = 0;
    camera->maxTrackIR.x = 0;
    camera->maxTrackIR.y = 0;
    camera->maxTrackIR.z = 0;
    camera->initialMovementRange = 1;
    camera->trackIR = false;
    camera->limitTrackIR = false;
    camera->smoothTransition = false;
    camera->linearTransition = false;
    camera->bezierTransition = false;
    camera->autoAdvance = false;
    camera->linearTransitionFrames = 0;
    camera->transitionSeconds = 0;
    camera->transitionDelay = 0;
    camera->headShake = false;
    camera->xpRealistic = false;
    camera->realView = false;
    camera->levelCamera = false;
    camera->retainMouseLookPosition = true;
    camera->enableViewAxis = false;
    camera->temporaryPositioning = true;
    camera->smoothCameraJoins = false;
    camera->trackHeading = false;
    camera->trackPitch = false;
    camera->cgY = 0;
    camera->cgZ = 0;
    camera->cgX = 0;
    camera->external = false;
    camera->cineflex = false;
    camera->targetFollowing = false;
    camera->freeCamera = false;
    camera->xp9ChaseView = false;
    camera->isAirportCamera = 0;
    camera->hidden = false;
    camera->targetReciprocal = false;
    camera->scenicFlyerGA = false;
    camera->scenicFlyerGlass = false;
    camera->cinemaVerite = false;
    camera->hideYoke = 0;
    camera->enableCameraAxis = false;
    camera->disable3DCockpitZoom = false;
    camera->positionRestored = 1;
    camera->aglCamera = false;
    camera->heightAboveAgl = 0;
    camera->circleView = false;
    camera->scriptId = 0;
    camera->cameraOrigin = 0;
}

Camera* copyCamera(Camera* source, Camera* destination) {
    // The destination keeps who it is and where it sits; the rest is the source's.
    Camera copy = *source;
    memcpy(copy.name, destination->name, sizeof(copy.name));
    copy.categoryIndex = destination->categoryIndex;
    copy.indexInCategory = destination->indexInCategory;
    copy.nextInCategory = destination->nextInCategory;
    copy.nextInSet = destination->nextInSet;
    copy.viewId = destination->viewId;
    copy.externalZoom = destination->externalZoom;
    copy.worldPose = destination->worldPose;
    copy.uniqueId = destination->uniqueId;
    *destination = copy;
    return destination;
}

void rememberCameraPosition(Camera* camera) { fillPosition(&camera->savedPosition, camera); }

void restoreCameraPosition(Camera* camera) {
    const CameraPosition& saved = camera->savedPosition;
    camera->x = saved.x;
    camera->y = saved.y;
    camera->z = saved.z;
    camera->heading = saved.heading;
    camera->pitch = saved.pitch;
    camera->latitude = saved.latitude;
    camera->longitude = saved.longitude;
    camera->elevation = saved.elevation;
    camera->positionRestored = 1;
}

// Called for every row a camera file reader places: a plain copy, not printf.
void setCameraName(char* name, const char* text) {
    size_t length = 0;
    if (text != nullptr) {
        length = strnlen(text, kMaxNameLength);
        memmove(name, text, length);
    }
    name[length] = 0;
}
