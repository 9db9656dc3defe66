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

int createOrbit(const OrbitSpec& spec) {
    Category* category = startGeneratedCategory(spec.name);
    if (category == nullptr) {
        return 0;
    }
    int count = spec.continuous ? kContinuousCameras : kSingleTurnCameras;
    float half = (spec.maxHeight - spec.minHeight) / 2.0f;
    float legSeconds = spec.duration / static_cast<float>(count);
    float step = 0;
    Camera* camera = nullptr;
    for (int i = 0; i < count; ++i) {
        float heading = fixAngle(spec.initialHeading - step);
        camera = addGeneratedCamera(category);
        camera->heading = heading;
        camera->x = -std::sin(radians(heading)) * spec.radius;
        camera->z = std::cos(radians(heading)) * spec.radius;
        camera->y = spec.minHeight + half + half * std::sin(radians(step));
        camera->external = true;
        camera->autoAdvance = true;
        camera->trackHeading = true;
        camera->trackPitch = true;
        camera->initialMovementRange = 2;
        camera->temporaryPositioning = false;
        camera->retainMouseLookPosition = false;
        camera->smoothCameraJoins = false;
        camera->levelCamera = spec.useLevelCamera;
        // The first camera is where the orbit is chosen; a ring comes back to it.
        if (i > 0 || spec.continuous) {
            camera->linearTransition = true;
            camera->transitionSeconds = legSeconds;
        }
        camera->hidden = i > 0;
        step = fixAngle(spec.reverseRotation ? step + kStepDegrees : step - kStepDegrees);
    }
    if (!spec.continuous) {
        camera->autoAdvance = false;
    }
    finishGeneratedCategory(category);
    return 1;
}
