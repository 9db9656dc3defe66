// Fly-bys and orbits: a category of external cameras that the engine plays as
// a chain (linear legs with auto-advance), always looking at the origin.
#pragma once

#include "cameras/set/camera.h"

// A sweep from far ahead on one side, past a closest point of approach (cpa,
// offsets from the origin in metres), to the far side.
struct FlyBySpec {
    char name[kNameSize] = {};
    float attackHeading = 270.0f;
    float initialHeight = 25.0f;
    float cpaX = 50.0f;
    float cpaY = 10.0f;
    float cpaZ = -10.0f;
    float distance = 500.0f;
    float duration = 30.0f;  // seconds
};

// A ring of cameras every 10 degrees, rising and falling between two heights.
struct OrbitSpec {
    char name[kNameSize] = {};
    float initialHeading = 270.0f;
    float radius = 10.0f;
    float minHeight = -3.0f;
    float maxHeight = 3.0f;
    float duration = 30.0f;  // seconds per turn
    bool reverseRotation = false;
    bool continuous = false;
    bool useLevelCamera = false;
};

// Whether every camera the fly-by or orbit makes lies where the camera file keeps it:
// offsets from the origin finite and within the file's range.
bool flyByFitsTheCameraFile(const FlyBySpec& flyBy);
bool orbitFitsTheCameraFile(const OrbitSpec& orbit);

// Each fills the category of the given name (case ignored), made at the end
// when there is none, replacing its cameras; 0 with an "ERROR" box when there
// is no room for a new category, and 0 with a log line, the set unchanged,
// when a camera would not fit the camera file.
int createFlyBy(const FlyBySpec& flyBy);
int createOrbit(const OrbitSpec& orbit);
