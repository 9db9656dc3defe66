#include <cmath>

#include "cameras/generators/flyby_orbit.h"
#include "cameras/generators/generated_category.h"
#include "shell/angles.h"
#include "shell/log.h"

namespace {
const int kFlyByCameras = 2;

struct FlyByEnd {
    float heading;
    float x, y, z;
};

// Camera 0 starts far ahead on the attack heading; camera 1 ends as far on
// the other side, as much lower as the start is higher.
FlyByEnd flyByEnd(const FlyBySpec& flyBy, int index) {
    FlyByEnd end;
    end.heading = index == 0 ? flyBy.attackHeading : fixAngle(flyBy.attackHeading - 180.0f);
    float d = flyBy.distance;
    end.x = flyBy.cpaX - d * std::sin(radians(end.heading));
    end.y = index == 0 ? flyBy.cpaY + flyBy.initialHeight : flyBy.cpaY - flyBy.initialHeight;
    end.z = flyBy.cpaZ + d * std::cos(radians(end.heading));
    return end;
}

// Both ends look at the origin all the way; the chain, not the user, moves them.
Camera* addFlyByCamera(Category* category, const FlyByEnd& end) {
    Camera* camera = addGeneratedCamera(category);
    camera->heading = end.heading;
    camera->x = end.x;
    camera->y = end.y;
    camera->z = end.z;
    camera->external = true;
    camera->trackHeading = true;
    camera->trackPitch = true;
    camera->initialMovementRange = 2;
    camera->temporaryPositioning = false;
    camera->retainMouseLookPosition = false;
    return camera;
}
}  // namespace

bool flyByFitsTheCameraFile(const FlyBySpec& flyBy) {
    for (int index = 0; index < kFlyByCameras; ++index) {
        FlyByEnd end = flyByEnd(flyBy, index);
        if (!fitsTheCameraFile(end.x, end.y, end.z)) {
            return false;
        }
    }
    return true;
}

int createFlyBy(const FlyBySpec& flyBy) {
    if (!flyByFitsTheCameraFile(flyBy)) {
        sLogMsg("Unable to create the fly-by \"%s\": a camera would lie outside the camera "
                "file's range",
                flyBy.name);
        return 0;
    }
    Category* category = startGeneratedCategory(flyBy.name);
    if (category == nullptr) {
        return 0;
    }
    Camera* first = addFlyByCamera(category, flyByEnd(flyBy, 0));
    first->autoAdvance = true;

    Camera* last = addFlyByCamera(category, flyByEnd(flyBy, 1));
    last->linearTransition = true;
    last->transitionSeconds = flyBy.duration;
    // Reached only through the chain; next and previous camera skip it.
    last->hidden = true;

    finishGeneratedCategory(category);
    return 1;
}
