#include <cmath>

#include "cameras/generators/flyby_orbit.h"
#include "cameras/generators/generated_category.h"
#include "shell/angles.h"

namespace {
const int kContinuousCameras = 36;
// A single turn ends on a last camera where the first stands.
const int kSingleTurnCameras = 37;
const float kStepDegrees = 10.0f;
}  // namespace

int createOrbit(const OrbitSpec& orbit) {
    Category* category = startGeneratedCategory(orbit.name);
    if (category == nullptr) {
        return 0;
    }
    int count = orbit.continuous ? kContinuousCameras : kSingleTurnCameras;
    float half = (orbit.maxHeight - orbit.minHeight) / 2.0f;
    float legSeconds = orbit.duration / static_cast<float>(count);
    float step = 0;
    Camera* camera = nullptr;
    for (int i = 0; i < count; ++i) {
        float heading = fixAngle(orbit.initialHeading - step);
        camera = addGeneratedCamera(category);
        camera->heading = heading;
        camera->x = -std::sin(radians(heading)) * orbit.radius;
        camera->z = std::cos(radians(heading)) * orbit.radius;
        camera->y = orbit.minHeight + half + half * std::sin(radians(step));
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
        step = fixAngle(orbit.reverseRotation ? step + kStepDegrees : step - kStepDegrees);
    }
    if (!orbit.continuous) {
        camera->autoAdvance = false;
    }
    finishGeneratedCategory(category);
    return 1;
}
