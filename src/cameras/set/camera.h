// The records of the camera set: a camera, a category of cameras and a saved
// copy of a whole set, with the operations that keep a single record sound.
#pragma once

#include "cameras/set/camera_position.h"

const int kMaxCategories = 20;
const int kMaxCamerasPerCategory = 150;
const int kMaxViewId = 65;
// Names are cut to 30 characters; the arrays keep room for the terminator.
const int kMaxNameLength = 30;
const int kNameSize = 32;

struct Camera {
    char name[kNameSize] = {};
    int categoryIndex = 0;
    int indexInCategory = 0;
    Camera* nextInCategory = nullptr;
    Camera* nextInSet = nullptr;
    int viewId = 0;
    double latitude = 0;
    double longitude = 0;
    double elevation = 0;
    float x = 0;
    float y = 0;
    float z = 0;
    float heading = 0;
    float pitch = 0;
    float roll = 0;
    float zoom = 0;
    float externalZoom = 0;
    float fov = 0;
    bool enableFov = false;
    CameraPosition savedPosition;
    CameraPosition minTrackIR;
    CameraPosition maxTrackIR;
    CameraPosition worldPose;
    int initialMovementRange = 1;  // 0 small, 1 medium, 2 large, 3 very large
    bool trackIR = false;
    bool limitTrackIR = false;
    bool smoothTransition = false;
    bool linearTransition = false;
    bool bezierTransition = false;
    bool autoAdvance = false;
    int linearTransitionFrames = 0;
    float transitionSeconds = 0;
    float transitionDelay = 0;
    bool headShake = false;
    bool xpRealistic = false;
    bool realView = false;
    bool levelCamera = false;
    bool retainMouseLookPosition = false;
    bool enableViewAxis = false;
    bool temporaryPositioning = false;
    bool smoothCameraJoins = false;
    bool trackHeading = false;
    bool trackPitch = false;
    float cgY = 0;
    float cgZ = 0;
    float cgX = 0;
    bool external = false;
    bool cineflex = false;
    bool targetFollowing = false;
    bool freeCamera = false;
    bool xp9ChaseView = false;
    int isAirportCamera = 0;
    bool hidden = false;
    bool targetReciprocal = false;
    bool scenicFlyerGA = false;
    bool scenicFlyerGlass = false;
    bool cinemaVerite = false;
    int hideYoke = 0;  // 0 leave X-Plane's setting, 1 force it to 0, 2 force it to 1
    bool enableCameraAxis = false;
    bool disable3DCockpitZoom = false;
    int positionRestored = 0;
    bool aglCamera = false;
    float heightAboveAgl = 0;
    bool circleView = false;
    int scriptId = 0;
    int uniqueId = 0;
    int cameraOrigin = 0;  // 0 the user's aircraft, 1 the carrier, 2 the frigate
};

struct Category {
    char name[kNameSize] = {};
    int numberOfCameras = 0;
    int currentCameraIndex = 0;
    Camera cameras[kMaxCamerasPerCategory];
    int uniqueId = 0;
};

struct CategoryCache {
    int numberOfCategories = 0;
    Category categories[kMaxCategories];
};

enum PasteMode { PasteReplace = 0, PasteInsertBefore = 1, PasteInsertAfter = 2 };

// Resets the options and pose; links, indices, savedPosition, worldPose and
// uniqueId are kept.
void initCamera(Camera* camera);
// Copies options and pose, but not the identity of the destination: its name,
// view ID, place in the set, links, externalZoom, worldPose and uniqueId.
Camera* copyCamera(Camera* source, Camera* destination);
void rememberCameraPosition(Camera* camera);
// Position, heading, pitch and world position back from savedPosition; roll,
// zoom, field of view and CG offsets stay.
void restoreCameraPosition(Camera* camera);
// Copies at most 30 characters of text into a name.
void setCameraName(char* name, const char* text);
