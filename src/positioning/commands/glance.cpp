#include "positioning/commands/glance.h"

#include "cameras/set/camera.h"
#include "positioning/commands/commands_camera_place.h"
#include "shell/angles.h"

namespace {
struct Glance {
    bool held = false;
    int index = 0;
    // The camera it turned, found again by its place: records move when the
    // set is reshaped.
    CameraPlace camera;
    // Its heading before the glance.
    float oldPSI = 0;
};

Glance glance;
}  // namespace

void beginGlance(int index, Camera* camera, float degrees) {
    endGlance();
    glance.held = true;
    glance.index = index;
    glance.camera = rememberCameraPlace(camera);
    glance.oldPSI = camera->heading;
    camera->heading = fixAngle(camera->heading + degrees);
}

void releaseGlance(int index) {
    if (glance.held && glance.index == index) {
        endGlance();
    }
}

void endGlance() {
    if (!glance.held) {
        return;
    }
    if (Camera* camera = findCameraAtPlace(glance.camera)) {
        camera->heading = glance.oldPSI;
    }
    glance = Glance{};
}

void endGlanceUnlessOn(const Camera* camera) {
    if (glance.held && findCameraAtPlace(glance.camera) != camera) {
        endGlance();
    }
}
