#include <cmath>

#include "cameras/generators/flyby_orbit.h"
#include "cameras/generators/generated_category.h"
#include "shell/angles.h"

namespace {
// Both ends look at the origin all the way; the chain, not the user, moves them.
Camera* addFlyByCamera(Category* category, float heading, float x, float y, float z) {
    Camera* camera = addGeneratedCamera(category);
    camera->heading = heading;
    camera->x = x;
    camera->y = y;
    camera->z = z;
    camera->external = true;
    camera->trackHeading = true;
    camera->trackPitch = true;
    camera->initialMovementRange = 2;
    camera->temporaryPositioning = false;
    camera->retainMouseLookPosition = false;
    return camera;
}
}  // namespace

int createFlyBy(const FlyBySpec& flyBy) {
    Category* category = startGeneratedCategory(flyBy.name);
    if (category == nullptr) {
        return 0;
    }
    float start = flyBy.attackHeading;
    float end = fixAngle(start - 180.0f);
    float d = flyBy.distance;

    Camera* first = addFlyByCamera(category, start, flyBy.cpaX - d * std::sin(radians(start)),
                                   flyBy.cpaY + flyBy.initialHeight,
                                   flyBy.cpaZ + d * std::cos(radians(start)));
    first->autoAdvance = true;

    Camera* last = addFlyByCamera(category, end, flyBy.cpaX - d * std::sin(radians(end)),
                                  flyBy.cpaY - flyBy.initialHeight,
                                  flyBy.cpaZ + d * std::cos(radians(end)));
    last->linearTransition = true;
    last->transitionSeconds = flyBy.duration;
    // Reached only through the chain; next and previous camera skip it.
    last->hidden = true;

    finishGeneratedCategory(category);
    return 1;
}
