#include <cmath>

#include "cameras/generators/flyby_orbit.h"
#include "cameras/generators/generated_category.h"
#include "shell/angles.h"
#include "shell/log.h"

namespace {
const int kContinuousCameras = 36;
// A single turn ends on a last camera where the first stands.
const int kSingleTurnCameras = 37;
const float kStepDegrees = 10.0f;

struct RingStop {
    float heading;
    float x, y, z;
};

// The stops of the ring in order; returns how many there are.
int ringStops(const OrbitSpec& orbit, RingStop stops[kSingleTurnCameras]) {
    int count = orbit.continuous ? kContinuousCameras : kSingleTurnCameras;
    float half = (orbit.maxHeight - orbit.minHeight) / 2.0f;
    float step = 0;
    for (int i = 0; i < count; ++i) {
        RingStop& stop = stops[i];
        stop.heading = fixAngle(orbit.initialHeading - step);
        stop.x = -std::sin(radians(stop.heading)) * orbit.radius;
        stop.z = std::cos(radians(stop.heading)) * orbit.radius;
        stop.y = orbit.minHeight + half + half * std::sin(radians(step));
        step = fixAngle(orbit.reverseRotation ? step + kStepDegrees : step - kStepDegrees);
    }
    return count;
}

bool ringFits(const RingStop* stops, int count) {
    for (int i = 0; i < count; ++i) {
        if (!fitsTheCameraFile(stops[i].x, stops[i].y, stops[i].z)) {
            return false;
        }
    }
    return true;
}
}  // namespace

bool orbitFitsTheCameraFile(const OrbitSpec& orbit) {
    RingStop stops[kSingleTurnCameras];
    return ringFits(stops, ringStops(orbit, stops));
}

int createOrbit(const OrbitSpec& orbit) {
    RingStop stops[kSingleTurnCameras];
    int count = ringStops(orbit, stops);
    if (!ringFits(stops, count)) {
        sLogMsg("Unable to create the orbit \"%s\": a camera would lie outside the camera file's "
                "range",
                orbit.name);
        return 0;
    }
    Category* category = startGeneratedCategory(orbit.name);
    if (category == nullptr) {
        return 0;
    }
    float legSeconds = orbit.duration / static_cast<float>(count);
    Camera* camera = nullptr;
    for (int i = 0; i < count; ++i) {
        camera = addGeneratedCamera(category);
        camera->heading = stops[i].heading;
        camera->x = stops[i].x;
        camera->y = stops[i].y;
        camera->z = stops[i].z;
        camera->external = true;
        camera->autoAdvance = true;
        camera->trackHeading = true;
        camera->trackPitch = true;
        camera->initialMovementRange = 2;
        camera->temporaryPositioning = false;
        camera->retainMouseLookPosition = false;
        camera->smoothCameraJoins = false;
        camera->levelCamera = orbit.useLevelCamera;
        // The first camera is where the orbit is chosen; a ring comes back to it.
        if (i > 0 || orbit.continuous) {
            camera->linearTransition = true;
            camera->transitionSeconds = legSeconds;
        }
        camera->hidden = i > 0;
    }
    if (!orbit.continuous) {
        camera->autoAdvance = false;
    }
    finishGeneratedCategory(category);
    return 1;
}
